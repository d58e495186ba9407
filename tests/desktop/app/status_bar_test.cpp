// The status bar and what goes beside it: the paste's report, a message too
// long for the bar, and the fields a screen reader reads.

#include "edit_fixture.h"

#include "app/paste_report_dialog.h"

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

using StatusBar = EditTest;

// How many rows of a paste were brought into the band or left out, and
// whether the status bar holds them or a list beside the form does.
struct PasteReportCase {
    const char* name;
    const char* clipboard;
    const char* said;           // part of the status bar's message
    int listedRows;             // 0: no list shown
};

void PrintTo(const PasteReportCase& c, std::ostream* os)
{
    *os << c.name;
}

const PasteReportCase kPasteReports[] = {
    {"one_clamped_fits_the_bar", "440\n", "Channel 1 Rx Freq: 440 typed, 174.00000 stored.", 0},
    {"many_go_to_a_list", "440\n100\t500\nabc\n145.013\n",
     "Channel 2 Tx Freq: 500 typed, 174.00000 stored.", 5},
};

class PasteReport : public StatusBar, public testing::WithParamInterface<PasteReportCase> {};

TEST_P(PasteReport, NamesEachRowAsTypedAndAsStored)
{
    const PasteReportCase& c = GetParam();
    LoadChannels(4);
    QApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
    PickCell(1, 1);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(Said().contains(QString::fromUtf8(c.said))) << Said().toStdString();
    auto* list = m_frame->findChild<CPasteReportDialog*>();
    if (c.listedRows == 0) {
        EXPECT_TRUE(list == nullptr || !list->isVisible());
        return;
    }
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->isVisible());
    SaveShot(*list, "paste_report");
    ASSERT_EQ(list->m_list->count(), c.listedRows);
    EXPECT_EQ(list->m_list->item(0)->text(),
              "Channel 1 Rx Freq: 440 typed, 174.00000 stored.");
    EXPECT_EQ(list->m_list->item(4)->text(), "Not pasted, a value this radio cannot hold: channel 3.");
    QTest::mouseClick(list->m_buttonClose, Qt::LeftButton);
    EXPECT_FALSE(list->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Pastes, PasteReport, testing::ValuesIn(kPasteReports),
                         [](const auto& info) { return std::string(info.param.name); });

// A message longer than the bar ends in "…" short of the file's name: the
// name and a gap before it look the same with the message as without it.
TEST_F(StatusBar, ALongMessageNeverRunsIntoTheFileName)
{
    QStatusBar& bar = *m_frame->statusBar();
    constexpr int kGap = 4;
    const QRect name = m_frame->m_paneFile->geometry().adjusted(-kGap, 0, 0, 0);
    ASSERT_FALSE(name.isEmpty());
    const QImage without = bar.grab(name).toImage();
    bar.showMessage(QString(300, u'W'));
    const QImage with = bar.grab(name).toImage();
    SaveShot(bar, "status_bar_long_message");
    EXPECT_EQ(with, without);
    EXPECT_EQ(bar.toolTip(), QString(300, u'W'));
}

// A screen reader hears each field's name and what it shows.
TEST_F(StatusBar, FieldsAreReadWithWhatTheyShow)
{
    EXPECT_EQ(m_frame->m_paneFile->accessibleName(), "File: Untitled");
    EXPECT_EQ(m_frame->m_paneModified->accessibleName(), "Changes: none");
    PickCell(1, 1);
    Type("150");
    Key(Qt::Key_Return);
    EXPECT_EQ(m_frame->m_paneModified->accessibleName(), "Changes: Modified");
}

// An opened backup is named, with where a save goes; a save names the new file.
TEST_F(StatusBar, AnOpenedBackupIsNamedAsABackup)
{
    const QString backup = WriteFile(QStringLiteral("2026-12-07_14-03-22_HM-615V.sin"), "");
    const QString copy = Path(QStringLiteral("edited.sin"));
    m_docManager.m_answers = QStringList{backup, copy};
    m_docManager.OnFileOpenBackup();
    EXPECT_EQ(m_frame->m_paneFile->text(), "2026-12-07_14-03-22_HM-615V.sin (backup: Save asks for a new name)");
    SaveShot(*m_frame->statusBar(), "status_bar_backup");
    ASSERT_TRUE(m_docManager.OnFileSave());
    EXPECT_EQ(m_frame->m_paneFile->text(), "edited.sin");
}

} // namespace
