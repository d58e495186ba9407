// File Import Channels and Export Channels from the main window: the preview
// shows the report and changes nothing until OK; OK puts the channels into
// the form only; export writes what the form shows.

#include "frame_fixture.h"

#include "editor/channel_import_dialog.h"
#include "exchange/channel_csv.h"
#include "form/form_store.h"
#include "grid/ms_flex_grid.h"
#include "support/temp_files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>

namespace {

// Line 3 goes to channel 2; lines 5 to 7 are skipped; line 8 is lowered.
const QByteArray kProblemList = "# from a spreadsheet\n"
                                "Location,Frequency,Tone,rToneFreq,Power,Mode\n"
                                "2,146.520000,Tone,100.0,Low,NFM\n"
                                "\n"
                                "2,147.000000,,,,\n"
                                "5,,,,,\n"
                                "9,450.000000,,,,\n"
                                "7,146.523400,,,,\n";

const QStringList kProblemReport = {
    "Line 5, skipped: Location 2 is already taken by line 3.",
    "Line 6, skipped: The row has no Frequency.",
    "Line 7, skipped: Receive frequency 450.000000 MHz is outside this radio's band, 136-174MHz.",
    "Line 8, changed: Receive frequency 146.523400 MHz is off the 5 kHz and 6.25 kHz rasters and was lowered to "
    "146.520000 MHz.",
    "Line 8, changed: Transmit frequency 146.523400 MHz is off the 5 kHz and 6.25 kHz rasters and was lowered to "
    "146.520000 MHz.",
};

QStringList Texts(const QListWidget& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

class ChannelExchange : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        m_frame->SetChannelListPrompts({[this](QWidget*) { return m_openAnswer; },
                                        [this](QWidget*, QString& path, bool& standard) {
                                            path = m_saveAnswer;
                                            standard = m_standardColumns;
                                            return !path.isEmpty();
                                        }});
    }

    QString Cell(long row, long col) { return View().Grid()->GetTextMatrix(row, col); }

    QStringList Row(long row)
    {
        QStringList cells;
        for (long col = 1; col <= 8; ++col)
            cells << Cell(row, col);
        return cells;
    }

    QString List(const QString& name, const QByteArray& text)
    {
        const QString path = Path(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        return path;
    }

    // Import Channels with the preview answered by act.
    void Import(std::function<void(CChannelImportDialog&)> act)
    {
        OnceModal([act](QDialog& dialog) {
            auto* preview = qobject_cast<CChannelImportDialog*>(&dialog);
            ASSERT_NE(preview, nullptr);
            act(*preview);
        });
        m_frame->CommandAction(ID_FILE_IMPORT_CHANNELS)->trigger();
    }

    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QString m_openAnswer;
    QString m_saveAnswer;
    bool m_standardColumns = false;
};

// One row and one channel are counted in the singular, more in the plural.
TEST_F(ChannelExchange, TheSummaryCountsInTheRightNumber)
{
    const std::pair<QByteArray, QString> kLists[] = {
        {"Location,Frequency\n2,146.520000\n", "1 row loaded, 0 skipped; 1 channel changes."},
        {"Location,Frequency\n2,146.520000\n3,146.520000\n", "2 rows loaded, 0 skipped; 2 channels change."},
    };
    for (const auto& [list, summary] : kLists) {
        m_openAnswer = List("counted.csv", list);
        Import([&summary](CChannelImportDialog& preview) {
            EXPECT_EQ(preview.m_labelSummary->text(), summary);
            Click(preview.m_buttons->button(QDialogButtonBox::Cancel));
        });
    }
}

TEST_F(ChannelExchange, APreviewWithProblemsChangesNothingUntilOk)
{
    m_openAnswer = List("problems.csv", kProblemList);
    Import([this](CChannelImportDialog& preview) {
        EXPECT_EQ(Texts(*preview.m_listReport), kProblemReport);
        EXPECT_EQ(preview.m_labelSummary->text(), "2 rows loaded, 3 skipped; 2 channels change.");
        EXPECT_EQ(preview.m_tableChannels->verticalHeaderItem(1)->text(), "2 (changed)");
        EXPECT_EQ(preview.m_tableChannels->item(1, 0)->text(), "146.52000");
        EXPECT_EQ(preview.m_tableChannels->item(6, 0)->text(), "146.52000");
        EXPECT_EQ(preview.m_tableChannels->verticalHeaderItem(2)->text(), "3");
        EXPECT_TRUE(preview.m_listRows->isHidden()) << "a short list needs no choice of rows";
        EXPECT_EQ(Cell(2, 1), "") << "the form changed before OK";
        Click(preview.m_buttons->button(QDialogButtonBox::Ok));
    });
    EXPECT_EQ(Row(2), QStringList({"146.52000", "146.52000", "Off", "100.0", "Off", "Low", "Narrow", "Add"}));
    EXPECT_EQ(Cell(7, 1), "146.52000");
    EXPECT_EQ(Cell(5, 1), "");
    EXPECT_EQ(m_frame->m_wndStatusBar->currentMessage(), "2 channels imported into the form: Save or Write keeps them.");
    RadioImage fresh;
    fresh.ResetToDefaults();
    EXPECT_EQ(m_doc.m_image.channel(2)[0], fresh.channel(2)[0]) << "the image changes only when the form is stored";
}

// HMPROG_SCREENSHOTS=folder keeps a picture of the preview, to look at.
void KeepPicture(QWidget& preview, const QString& name)
{
    const QString folder = qEnvironmentVariable("HMPROG_SCREENSHOTS");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(preview.grab().save(folder + u'/' + name + ".png"));
    }
}

TEST_F(ChannelExchange, OneRowAndOneChannelAreSingularAndAFilesControlCharactersShowEscaped)
{
    m_openAnswer = List("one.csv", "Location,Frequency,Mode\n1,146.52,FM\n2,146.55,\x1B[2J\n");
    Import([this](CChannelImportDialog& preview) {
        EXPECT_EQ(Texts(*preview.m_listReport),
                  QStringList{"Line 3, skipped: Mode \"\\x1B[2J\" is not FM or NFM, the only modes of this radio."});
        EXPECT_EQ(preview.m_labelSummary->text(), "1 row loaded, 1 skipped; 1 channel changes.");
        KeepPicture(preview, "import-one-row");
        Click(preview.m_buttons->button(QDialogButtonBox::Ok));
    });
    EXPECT_EQ(m_frame->m_wndStatusBar->currentMessage(), "1 channel imported into the form: Save or Write keeps it.");
}

TEST_F(ChannelExchange, AListWithoutAFrequencyHeadingIsToldTheHeadingsRead)
{
    m_openAnswer = List("freq.csv", "Chan,Freq\n1,146.52\n");
    Import([this](CChannelImportDialog& preview) {
        const QStringList report = Texts(*preview.m_listReport);
        ASSERT_EQ(report.size(), 2);
        EXPECT_TRUE(report[1].startsWith("The headings it reads: Location, Name, Frequency,")) << report[1].toStdString();
        EXPECT_TRUE(report[1].endsWith("Rx Freq, Tx Freq, Rx Tone, Tx Tone, Bandwidth, Scan, CTCSS."));
        KeepPicture(preview, "import-no-frequency");
        Click(preview.m_buttons->button(QDialogButtonBox::Cancel));
    });
}

TEST_F(ChannelExchange, AnImportIsOneStepToUndoAndRedo)
{
    m_openAnswer = List("problems.csv", kProblemList);
    Import([](CChannelImportDialog& preview) { Click(preview.m_buttons->button(QDialogButtonBox::Ok)); });
    QAction* undo = m_frame->CommandAction(ID_EDIT_UNDO);
    ASSERT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "Undo Import Channels\tCtrl+Z");
    EXPECT_EQ(m_frame->m_paneModified->text(), "Modified");

    undo->trigger();
    for (long row = 1; row <= 16; ++row)
        EXPECT_EQ(Cell(row, 1), "") << "row " << row;
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(m_frame->m_paneModified->text(), "");

    m_frame->CommandAction(ID_EDIT_REDO)->trigger();
    EXPECT_EQ(Cell(2, 1), "146.52000");
    EXPECT_EQ(Cell(7, 1), "146.52000");
}

TEST_F(ChannelExchange, CancelOrEscapeChangesNothing)
{
    m_openAnswer = List("problems.csv", kProblemList);
    for (const bool escape : {false, true}) {
        Import([escape](CChannelImportDialog& preview) {
            EXPECT_TRUE(preview.m_buttons->button(QDialogButtonBox::Ok)->isEnabled());
            if (escape)
                PressKey(preview, Qt::Key_Escape);
            else
                Click(preview.m_buttons->button(QDialogButtonBox::Cancel));
        });
        for (long row = 1; row <= 16; ++row)
            EXPECT_EQ(Cell(row, 1), "") << "row " << row << (escape ? " after Esc" : " after Cancel");
    }
}

TEST_F(ChannelExchange, RenumberPutsTheRowsIntoChannelsOneTwoInFileOrder)
{
    m_openAnswer = List("problems.csv", kProblemList);
    Import([](CChannelImportDialog& preview) {
        // On its box: the check box is wider than its text.
        QTest::mouseClick(preview.m_checkRenumber, Qt::LeftButton, {},
                          QPoint(6, preview.m_checkRenumber->height() / 2));
        ASSERT_TRUE(preview.m_checkRenumber->isChecked());
        EXPECT_EQ(preview.m_tableChannels->item(0, 0)->text(), "146.52000");
        EXPECT_EQ(preview.m_tableChannels->item(1, 0)->text(), "147.00000");
        EXPECT_EQ(preview.m_tableChannels->item(2, 0)->text(), "146.52000");
        EXPECT_EQ(preview.m_tableChannels->item(3, 0)->text(), "");
        Click(preview.m_buttons->button(QDialogButtonBox::Ok));
    });
    EXPECT_EQ(Cell(1, 4), "100.0");
    EXPECT_EQ(Cell(2, 1), "147.00000");
}

TEST_F(ChannelExchange, ALongListOffersItsRowsToPickFrom)
{
    QByteArray list = "Frequency\n";
    for (int i = 0; i < 20; ++i)
        list += QByteArray::number(150.0 + i * 0.5, 'f', 6) + '\n';
    m_openAnswer = List("long.csv", list);
    Import([](CChannelImportDialog& preview) {
        QListWidget& rows = *preview.m_listRows;
        ASSERT_FALSE(rows.isHidden());
        ASSERT_EQ(rows.count(), 20);
        EXPECT_EQ(rows.item(0)->text(), "Line 2: 150.000000 MHz");
        EXPECT_EQ(rows.item(15)->checkState(), Qt::Checked);
        EXPECT_EQ(rows.item(16)->checkState(), Qt::Unchecked);
        // Leave out the first row and take the last one, by keyboard.
        rows.setFocus();
        rows.setCurrentRow(0);
        QTest::keyClick(&rows, Qt::Key_Space);
        rows.setCurrentRow(19);
        QTest::keyClick(&rows, Qt::Key_Space);
        EXPECT_EQ(preview.m_tableChannels->item(0, 0)->text(), "150.50000");
        EXPECT_EQ(preview.m_tableChannels->item(15, 0)->text(), "159.50000");
        Click(preview.m_buttons->button(QDialogButtonBox::Ok));
    });
    EXPECT_EQ(Cell(1, 1), "150.50000");
    EXPECT_EQ(Cell(16, 1), "159.50000");
}

TEST_F(ChannelExchange, AStockPlanCanBeChosenInsteadOfAFile)
{
    Import([](CChannelImportDialog& preview) {
        EXPECT_FALSE(preview.m_buttons->button(QDialogButtonBox::Ok)->isEnabled()) << "nothing chosen yet";
        QComboBox& source = *preview.m_comboSource;
        const int plan = source.findText("2 m amateur", Qt::MatchContains);
        ASSERT_GE(plan, 0);
        source.setFocus();
        for (int i = 0; i <= plan; ++i)
            QTest::keyClick(&source, Qt::Key_Down);
        EXPECT_EQ(preview.m_labelSummary->text(), "16 rows loaded, 0 skipped; 16 channels change.");
        PressKey(preview, Qt::Key_Return);
    });
    EXPECT_EQ(Cell(1, 1), "146.40000");
    EXPECT_NE(Cell(16, 1), "");
}

TEST_F(ChannelExchange, AFileThatCannotBeReadIsSaidInThePreview)
{
    m_openAnswer = Path("missing.csv");
    Import([](CChannelImportDialog& preview) {
        EXPECT_EQ(Texts(*preview.m_listReport).value(0), "Failed to open the channel list.");
        EXPECT_FALSE(preview.m_buttons->button(QDialogButtonBox::Ok)->isEnabled());
        PressKey(preview, Qt::Key_Escape);
    });
}

TEST_F(ChannelExchange, ExportWritesWhatTheFormShows)
{
    View().Grid()->SetTextMatrix(3, 1, QStringLiteral("150.00000"));
    for (const bool standard : {false, true}) {
        m_saveAnswer = Path(standard ? "standard.csv" : "full.csv");
        m_standardColumns = standard;
        m_frame->CommandAction(ID_FILE_EXPORT_CHANNELS)->trigger();

        RadioImage shown = m_doc.m_image;
        StoreFormToImage(View().Controls(), shown);
        const std::string expected = ExportChannelsCsv(shown, {.standardColumns = standard});
        const QByteArray written = TempFiles::read(m_saveAnswer);
        EXPECT_EQ(written.toStdString(), expected);
        EXPECT_TRUE(written.contains("\r\n3,,150.000000,")) << written.toStdString();
        EXPECT_EQ(written.startsWith("Location,") && written.contains(",Busy\r\n"), !standard);
    }
    EXPECT_TRUE(m_frame->m_wndStatusBar->currentMessage().startsWith("Channels exported to "));
}

TEST_F(ChannelExchange, ExportIntoAFolderIsRefusedWithAMessage)
{
    m_saveAnswer = m_dir.path();
    OnceModal([](QDialog& box) { PressKey(box, Qt::Key_Return); });
    m_frame->CommandAction(ID_FILE_EXPORT_CHANNELS)->trigger();
    EXPECT_TRUE(m_frame->m_wndStatusBar->currentMessage().isEmpty());
}

// A picture of the preview with a file that has problems, on request.
TEST_F(ChannelExchange, PreviewPicture)
{
    const QString dir = qEnvironmentVariable("HMPROG_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "HMPROG_SCREENSHOT_DIR not set";
    m_openAnswer = List("repeaters.csv", kProblemList);
    Import([dir](CChannelImportDialog& preview) {
        EXPECT_TRUE(preview.grab().save(dir + "/import_preview.png"));
        PressKey(preview, Qt::Key_Escape);
    });
}

} // namespace
