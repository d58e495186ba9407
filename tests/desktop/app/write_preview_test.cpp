// The write preview as a person reads it, and the questions about a file
// holding values no radio of its model can hold, from the main window.

#include "frame_fixture.h"

#include "app/image_changes_dialog.h"

#include "document/channel_file.h"
#include "editor/transfer_fixture.h"
#include "image/image_layout.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QTableWidget>

namespace {

// Keeps a picture of a dialog when HMPROG_SCREENSHOT_DIR names a folder.
void KeepPicture(QWidget& widget, const char* name)
{
    const QString pictures = qEnvironmentVariable("HMPROG_SCREENSHOT_DIR");
    if (!pictures.isEmpty())
        widget.grab().save(pictures + u'/' + QString::fromLatin1(name) + QStringLiteral(".png"));
}

// The main window over a simulated radio holding memory, Preview Before Write on.
class WritePreview : public FrameTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data.isValid());
        m_oldDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        QSettings().clear();
        FrameTest::SetUp();
        View().SetTransferPorts(&m_ports);
    }

    void TearDown() override { qputenv("XDG_DATA_HOME", m_oldDataHome); }

    // The command, then OK; the posted start runs the whole transfer and
    // whatever it asks.
    void Transfer(int command)
    {
        m_frame->CommandAction(command)->trigger();
        CProgressDialog& progress = *View().ProgressDialog();
        ASSERT_TRUE(progress.isVisible());
        QTest::mouseClick(progress.m_buttonOk, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&progress] { return !progress.isVisible(); }, 20000));
    }

    // Types a frequency into channel row's Rx Freq cell with the keys.
    void TypeRxFrequency(int row, const char* digits)
    {
        CMSFlexGrid* grid = View().Grid();
        grid->setFocus();
        grid->SetRow(row);
        grid->SetCol(1);
        QTest::keyClick(grid, digits[0]);
        QTest::keyClicks(QApplication::focusWidget(), digits + 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }

    QTemporaryDir m_data;
    QByteArray m_oldDataHome;
    TestPorts m_ports;
};

// Seven channels taken into use and one setting: eight rows under "8 changes",
// a whole channel on each, and the store's bytes in the channels left empty
// on one line below, apart from what changes.
TEST_F(WritePreview, ListsSevenNewChannelsAndASettingOnEightRows)
{
    Transfer(ID_PROGRAM_READ);
    QApplication::setActiveWindow(m_frame.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
    const char* const kFrequencies[] = {"146.15", "146.16", "146.17", "146.18", "146.19", "146.2", "146.21"};
    for (int row = 5; row <= 11; ++row)
        TypeRxFrequency(row, kFrequencies[row - 5]);
    View().Combo(FormCombo::Squelch)->setFocus();
    QTest::keyClick(View().Combo(FormCombo::Squelch), Qt::Key_Down);

    QStringList where;
    QString summary, unused, channel5Before, channel5After;
    AnswerEach<CImageChangesDialog> preview([&](CImageChangesDialog& dialog) {
        for (int row = 0; row < dialog.m_table->rowCount(); ++row)
            where << dialog.m_table->item(row, 0)->text();
        summary = dialog.m_summary->text();
        unused = dialog.m_unusedBytes->isVisible() ? dialog.m_unusedBytes->text() : QString();
        channel5Before = dialog.m_table->item(1, 1)->text();
        channel5After = dialog.m_table->item(1, 2)->text();
        KeepPicture(dialog, "write_preview_seven_channels");
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    const RadioImage radioBefore = m_ports.radio.memory();
    Transfer(ID_PROGRAM_WRITE);
    ASSERT_EQ(preview.count(), 1);
    EXPECT_EQ(summary, "8 changes\nCompared with the radio as last read, the write changes:");
    EXPECT_EQ(where.join(u'|'), "Squelch Level|Channel 5|Channel 6|Channel 7|Channel 8|Channel 9|Channel 10|Channel 11");
    EXPECT_EQ(channel5Before, "(empty)");
    EXPECT_EQ(channel5After, "Rx 146.15000, Tx 146.15000, tones Off / Off, Busy Off, High, Wide, Scan Add");
    EXPECT_EQ(unused, "Unused bytes of empty channels 12-16 (no radio uses them)");
    EXPECT_EQ(m_ports.radio.memory(), radioBefore) << "Enter is Cancel";
}

// A file of values no radio holds: opening it says so and lists them; a
// write asks first, Enter cancelling and "Write" writing.
struct ImpossibleCase {
    const char* name;
    bool clickWrite;
};

void PrintTo(const ImpossibleCase& c, std::ostream* os)
{
    *os << c.name;
}

class ImpossibleValuesOnTheDesktop : public WritePreview, public testing::WithParamInterface<ImpossibleCase> {};

TEST_P(ImpossibleValuesOnTheDesktop, AreToldOnOpenAndAskedBeforeAWrite)
{
    RadioImage odd = DemoRadioImage();
    odd.setByte(0x13, 0x90);   // channel 1 on 905.52500 MHz
    odd.setByte(layout::kTot, 0);
    const QString path = Path(QStringLiteral("odd.sin"));
    ASSERT_TRUE(SaveChannelFile(path, odd).ok());
    // Here the question stands alone, without a preview.
    m_frame->CommandAction(ID_PROGRAM_PREVIEW_BEFORE_WRITE)->trigger();
    ASSERT_FALSE(m_frame->CommandAction(ID_PROGRAM_PREVIEW_BEFORE_WRITE)->isChecked());

    QString told, listed;
    {
        AnswerEach<QMessageBox> opened([&](QMessageBox& box) {
            told = box.text();
            listed = box.informativeText();
            KeepPicture(box, "impossible_values_opened");
            QTest::keyClick(&box, Qt::Key_Return);
        });
        m_docManager.m_answers << path;
        m_frame->CommandAction(ID_FILE_OPEN)->trigger();
        EXPECT_EQ(opened.count(), 1);
    }
    EXPECT_EQ(told, "This file holds values that no radio of its model can hold:");
    EXPECT_EQ(listed, "• Channel 1: Rx 905.52500 MHz is outside 136-174MHz\n• TOT 0 is outside 1-10");

    QString asked;
    AnswerEach<QMessageBox> question([&](QMessageBox& box) {
        asked = box.text();
        KeepPicture(box, "impossible_values_write");
        QAbstractButton* write = nullptr;
        for (QAbstractButton* button : box.buttons())
            write = button->text() == "Write" ? button : write;
        ASSERT_NE(write, nullptr);
        if (GetParam().clickWrite)
            QTest::mouseClick(write, Qt::LeftButton);
        else
            QTest::keyClick(&box, Qt::Key_Return);
    });
    const RadioImage radioBefore = m_ports.radio.memory();
    Transfer(ID_PROGRAM_WRITE);
    EXPECT_EQ(question.count(), 1);
    EXPECT_EQ(asked, "What would be written holds values that no radio of its model can hold:");
    EXPECT_EQ(m_ports.radio.memory() != radioBefore, GetParam().clickWrite);
    EXPECT_EQ(m_ports.radio.memory().byte(0x13) == 0x90, GetParam().clickWrite);
}

INSTANTIATE_TEST_SUITE_P(Answers, ImpossibleValuesOnTheDesktop,
                         testing::Values(ImpossibleCase{"EnterCancels", false}, ImpossibleCase{"WriteWrites", true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
