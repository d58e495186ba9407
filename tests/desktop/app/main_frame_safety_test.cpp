#include "frame_fixture.h"

#include "app/channel_list_commands.h"
#include "app/image_changes_dialog.h"
#include "app/write_safety_settings.h"

#include "editor/transfer_fixture.h"
#include "document/backup_folder.h"
#include "image/image_layout.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QHeaderView>
#include <QTreeView>

namespace {

// Keeps a picture of a dialog when HMPROG_SCREENSHOT_DIR names a folder.
void KeepPicture(QWidget& widget, const char* name)
{
    const QString pictures = qEnvironmentVariable("HMPROG_SCREENSHOT_DIR");
    if (!pictures.isEmpty())
        widget.grab().save(pictures + u'/' + QString::fromLatin1(name) + QStringLiteral(".png"));
}

// A row of the change list as the user reads it.
struct ChangeRow {
    QString where;
    QString before;
    QString after;
    friend bool operator==(const ChangeRow&, const ChangeRow&) = default;
};

void PrintTo(const ChangeRow& row, std::ostream* os)
{
    *os << '{' << row.where.toStdString() << " | " << row.before.toStdString() << " | " << row.after.toStdString()
        << '}';
}

std::vector<ChangeRow> Rows(const CImageChangesDialog& dialog)
{
    std::vector<ChangeRow> rows;
    const QTableWidget& table = *dialog.m_table;
    for (int row = 0; row < table.rowCount(); ++row)
        rows.push_back({table.item(row, 0)->text(), table.item(row, 1)->text(), table.item(row, 2)->text()});
    return rows;
}

// The main window over the simulated radio; backups go to a data folder of
// the test's own, and the Program menu's choices start as never chosen.
class FrameSafety : public FrameTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data.isValid());
        m_oldDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        QSettings().clear();
        FrameTest::SetUp();
        UseRadio({});
    }

    void TearDown() override
    {
        qputenv("XDG_DATA_HOME", m_oldDataHome);
    }

    void UseRadio(RadioOptions options, const RadioImage& memory = DemoRadioImage())
    {
        m_retiredPorts.push_back(std::move(m_ports));
        m_ports = std::make_unique<TestPorts>(memory, options);
        View().SetTransferPorts(m_ports.get());
    }

    CProgressDialog& Dialog() { return *View().ProgressDialog(); }

    // The command, then OK; the posted start runs the whole transfer and
    // whatever it asks.
    void Transfer(int command)
    {
        m_frame->CommandAction(command)->trigger();
        ASSERT_TRUE(Dialog().isVisible());
        QTest::mouseClick(Dialog().m_buttonOk, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Dialog().isVisible(); }, 20000));
    }

    void CancelAtPosition(int position)
    {
        QObject::connect(Dialog().m_progress, &QProgressBar::valueChanged, m_frame.get(), [this, position](int value) {
            if (value == position)
                QTimer::singleShot(0, Dialog().m_buttonCancel,
                                   [this] { QTest::mouseClick(Dialog().m_buttonCancel, Qt::LeftButton); });
        });
    }

    // Channel 3's Rx frequency and the squelch level, changed with the keys.
    void EditForm()
    {
        QApplication::setActiveWindow(m_frame.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
        CMSFlexGrid* grid = View().Grid();
        grid->setFocus();
        grid->SetRow(3);
        grid->SetCol(1);
        QTest::keyClick(grid, '1');
        QTest::keyClicks(QApplication::focusWidget(), "50");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        View().Combo(FormCombo::Squelch)->setFocus();
        QTest::keyClick(View().Combo(FormCombo::Squelch), Qt::Key_Down);
    }

    // A read of a radio that already holds what the form stores, so that
    // only what the test changes differs.
    void ReadRadioHoldingTheForm()
    {
        Transfer(ID_PROGRAM_READ);
        m_frame->StoreToImage();
        UseRadio({}, m_doc.m_image);
        Transfer(ID_PROGRAM_READ);
    }

    void Check(int id, bool checked)
    {
        if (m_frame->CommandAction(id)->isChecked() != checked)
            m_frame->CommandAction(id)->trigger();
    }

    QTemporaryDir m_data;
    QByteArray m_oldDataHome;
    std::unique_ptr<TestPorts> m_ports;
    std::vector<std::unique_ptr<TestPorts>> m_retiredPorts;
};

// How a read ends, and whether it leaves a backup.
struct ReadCase {
    const char* name;
    RadioFault fault;
    bool cancelled;
    bool backupKept;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReadBackup : public FrameSafety, public testing::WithParamInterface<ReadCase> {};

TEST_P(ReadBackup, IsKeptForACompletedReadOnly)
{
    const ReadCase& c = GetParam();
    UseRadio({{136, 174}, c.fault, 40});
    if (c.cancelled)
        CancelAtPosition(40);
    AnswerEach<QMessageBox> failure([](QMessageBox& box) { box.accept(); });
    Transfer(ID_PROGRAM_READ);
    EXPECT_EQ(failure.count(), c.fault == RadioFault::None ? 0 : 1);

    const QStringList backups = ListBackups();
    if (!c.backupKept) {
        EXPECT_TRUE(backups.isEmpty()) << backups.join(u' ').toStdString();
        return;
    }
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d_HM-615V\\.sin$"))
                    .match(QFileInfo(backups.first()).fileName())
                    .hasMatch())
        << backups.first().toStdString();
    RadioImage kept;
    ASSERT_TRUE(LoadChannelFile(backups.first(), kept).ok());
    EXPECT_EQ(kept, m_ports->radio.memory());
    EXPECT_TRUE(m_frame->statusBar()->currentMessage().contains(QFileInfo(backups.first()).fileName()))
        << m_frame->statusBar()->currentMessage().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Ends, ReadBackup,
                         testing::Values(ReadCase{"Completed", RadioFault::None, false, true},
                                         ReadCase{"Cancelled", RadioFault::None, true, false},
                                         ReadCase{"Failed", RadioFault::ShortBlock, false, false}));

// A data folder that cannot hold the backups: the read loads the form all the
// same, and the status bar says why no backup was kept.
TEST_F(FrameSafety, ABackupThatCannotBeKeptDoesNotFailTheRead)
{
    QFile blocker(m_data.filePath(QStringLiteral("hmprog")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Transfer(ID_PROGRAM_READ);
    EXPECT_EQ(m_doc.m_image, m_ports->radio.memory());
    EXPECT_EQ(View().Grid()->GetTextMatrix(1, 1).isEmpty(), false);
    EXPECT_TRUE(m_frame->statusBar()->currentMessage().startsWith("No backup of this read could be kept"))
        << m_frame->statusBar()->currentMessage().toStdString();
}

// After a read, the preview lists exactly what the form changed; Cancel
// leaves the radio as it was, Write writes.
TEST_F(FrameSafety, PreviewListsTheChangesAndCancelWritesNothing)
{
    ReadRadioHoldingTheForm();
    const QString squelchRead = View().Combo(FormCombo::Squelch)->currentText();
    const QString rxRead = View().Grid()->GetTextMatrix(3, 1);
    EditForm();
    const RadioImage radioBefore = m_ports->radio.memory();

    std::vector<ChangeRow> listed;
    AnswerEach<CImageChangesDialog> preview([&listed](CImageChangesDialog& dialog) {
        listed = Rows(dialog);
        KeepPicture(dialog, "write_preview");
        QTest::mouseClick(dialog.m_buttonClose, Qt::LeftButton);
    });
    Transfer(ID_PROGRAM_WRITE);
    EXPECT_EQ(preview.count(), 1);
    const QString channel3 = QStringLiteral(", Tx 145.00000, tones Off / 88.5, Busy Off, Low, Wide, Scan Add");
    const QString squelchShown = View().Combo(FormCombo::Squelch)->currentText();
    EXPECT_EQ(listed, (std::vector<ChangeRow>{{"Squelch Level", squelchRead, squelchShown},
                                              {"Channel 3", "Rx " + rxRead + channel3, "Rx 150.00000" + channel3}}));
    EXPECT_EQ(m_ports->radio.memory(), radioBefore);
}

TEST_F(FrameSafety, PreviewWriteButtonWrites)
{
    ReadRadioHoldingTheForm();
    EditForm();
    AnswerEach<CImageChangesDialog> preview([](CImageChangesDialog& dialog) {
        QTest::mouseClick(dialog.m_buttonWrite, Qt::LeftButton);
    });
    Transfer(ID_PROGRAM_WRITE);
    EXPECT_EQ(preview.count(), 1);
    EXPECT_EQ(m_ports->radio.memory().channel(3)[0], m_doc.m_image.channel(3)[0]);
    EXPECT_EQ(m_ports->radio.memory().byte(layout::kSquelchLevel), m_doc.m_image.byte(layout::kSquelchLevel));
}

// The bytes the form stores into the unused channels (00 00 00 00 E7 where
// the radio holds FF FF FF FF FB) change nothing a radio does: no row of
// changes, one line below naming the channels.
TEST_F(FrameSafety, PreviewNamesTheUnusedBytesOfEmptyChannelsOnOneLine)
{
    Transfer(ID_PROGRAM_READ);
    std::vector<ChangeRow> listed;
    QString summary, unused;
    AnswerEach<CImageChangesDialog> preview([&](CImageChangesDialog& dialog) {
        listed = Rows(dialog);
        summary = dialog.m_summary->text();
        unused = dialog.m_unusedBytes->text();
        KeepPicture(dialog, "write_preview_unused_bytes");
        QTest::mouseClick(dialog.m_buttonClose, Qt::LeftButton);
    });
    Transfer(ID_PROGRAM_WRITE);
    EXPECT_TRUE(listed.empty());
    EXPECT_EQ(summary, "No change to what the radio does");
    EXPECT_EQ(unused, "Unused bytes of empty channels 5-16 (no radio uses them)");
}

// Writing what the radio already holds says so, with nothing listed.
TEST_F(FrameSafety, PreviewSaysWhenNothingChanges)
{
    ReadRadioHoldingTheForm();
    QString summary;
    int rows = -1;
    AnswerEach<CImageChangesDialog> preview([&](CImageChangesDialog& dialog) {
        summary = dialog.m_summary->text();
        rows = dialog.m_table->rowCount();
        PressKey(dialog, Qt::Key_Escape);
    });
    Transfer(ID_PROGRAM_WRITE);
    EXPECT_EQ(summary, "The write changes nothing in the radio.");
    EXPECT_EQ(rows, 0);
}

// The first write with the preview on and nothing read or kept: the program
// says so and does what the chosen button says; Enter is Cancel.
struct FirstWriteCase {
    const char* name;
    const char* button;   // nullptr: Enter
    bool previewShown;
    bool written;
    bool backupKept;
};

void PrintTo(const FirstWriteCase& c, std::ostream* os)
{
    *os << c.name;
}

class FirstWrite : public FrameSafety, public testing::WithParamInterface<FirstWriteCase> {};

TEST_P(FirstWrite, AsksHowToGoOnWithNothingToCompareWith)
{
    const FirstWriteCase& c = GetParam();
    const RadioImage before = m_ports->radio.memory();
    QString asked;
    AnswerEach<QMessageBox> question([&](QMessageBox& box) {
        asked = box.text();
        KeepPicture(box, "first_write");
        EXPECT_EQ(box.defaultButton()->text(), "Cancel");
        if (!c.button) {
            PressKey(box, Qt::Key_Return);
            return;
        }
        for (QAbstractButton* button : box.buttons()) {
            if (button->text() == c.button)
                QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    AnswerEach<CImageChangesDialog> preview([](CImageChangesDialog& dialog) {
        QTest::mouseClick(dialog.m_buttonWrite, Qt::LeftButton);
    });
    Transfer(ID_PROGRAM_WRITE);
    EXPECT_EQ(question.count(), 1);
    EXPECT_TRUE(asked.startsWith("There is nothing to preview this write against")) << asked.toStdString();
    EXPECT_EQ(preview.count(), c.previewShown ? 1 : 0);
    EXPECT_EQ(m_ports->radio.memory() != before, c.written);
    const QStringList backups = ListBackups();
    ASSERT_EQ(backups.size(), c.backupKept ? 1 : 0);
    if (c.backupKept) {
        RadioImage kept;
        ASSERT_TRUE(LoadChannelFile(backups.first(), kept).ok());
        EXPECT_EQ(kept, before);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, FirstWrite,
                         testing::Values(FirstWriteCase{"ReadFirst", "&Read First", true, true, true},
                                         FirstWriteCase{"WithoutPreview", "&Write Without Preview", false, true, false},
                                         FirstWriteCase{"Cancel", "Cancel", false, false, false},
                                         FirstWriteCase{"Enter", nullptr, false, false, false}));

// While a transfer runs, the dialog says which way it goes and the form is
// not "Modified"; a write ends on "Written." with its time.
struct TransferWordCase {
    const char* name;
    int command;
    const char* doing;
    const char* saidAfter;   // the start of the status bar's message
};

void PrintTo(const TransferWordCase& c, std::ostream* os)
{
    *os << c.name;
}

class TransferWords : public FrameSafety, public testing::WithParamInterface<TransferWordCase> {};

TEST_P(TransferWords, NameTheDirectionAndLeaveTheFormUnmodified)
{
    const TransferWordCase& c = GetParam();
    Check(ID_PROGRAM_PREVIEW_BEFORE_WRITE, false);
    QString doing;
    QString modified = QStringLiteral("(not looked at)");
    QObject::connect(Dialog().m_progress, &QProgressBar::valueChanged, m_frame.get(), [&](int position) {
        if (position != 40)
            return;
        doing = Dialog().m_staticDoing->text();
        modified = m_frame->m_paneModified->text();
        KeepPicture(Dialog(), c.command == ID_PROGRAM_READ ? "progress_reading" : "progress_writing");
    });
    m_frame->CommandAction(c.command)->trigger();
    EXPECT_EQ(Dialog().m_staticDoing->text(), c.command == ID_PROGRAM_READ ? "OK reads the radio into the form."
                                                                          : "OK writes the form into the radio.");
    QTest::mouseClick(Dialog().m_buttonOk, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Dialog().isVisible(); }, 20000));
    EXPECT_EQ(doing, c.doing);
    EXPECT_EQ(modified, "");
    const QString said = m_frame->statusBar()->currentMessage();
    EXPECT_TRUE(said.startsWith(c.saidAfter)) << said.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Directions, TransferWords,
    testing::Values(TransferWordCase{"Read", ID_PROGRAM_READ, "Reading the radio…", "A backup of the radio is kept in"},
                    TransferWordCase{"Write", ID_PROGRAM_WRITE, "Writing into the radio…", "Written. ("}));

// Compare With's file dialog has a title of its own.
TEST_F(FrameSafety, CompareWithAsksUnderItsOwnTitle)
{
    m_frame->CommandAction(ID_FILE_COMPARE)->trigger();
    EXPECT_EQ(m_docManager.m_titles, QStringList{"Compare With"});
    m_frame->CommandAction(ID_FILE_OPEN)->trigger();
    EXPECT_EQ(m_docManager.m_titles, (QStringList{"Compare With", ""}));
}

// Import Channels opens where channel lists are kept: the channel file's
// folder, then the folder of the last list chosen; never the backups.
TEST_F(FrameSafety, ImportChannelsOpensInTheFolderOfTheChannelFiles)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("lists"));
    const QString document = WriteFile(QStringLiteral("radio.sin"), "");
    ASSERT_TRUE(m_docManager.OpenDocumentFile(document));
    QStringList folders;
    const auto look = [&folders](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        ASSERT_NE(files, nullptr);
        folders << QDir(files->directory()).absolutePath();
        dialog.reject();
    };
    const ChannelListPrompts prompts = SystemChannelListPrompts([this] { return m_dir.path(); });
    OnceModal(look);
    (void)prompts.openFile(m_frame.get());
    QSettings().setValue(QStringLiteral("channelLists/folder"), Path(QStringLiteral("lists")));
    OnceModal(look);
    (void)prompts.openFile(m_frame.get());
    EXPECT_EQ(folders, (QStringList{QDir(m_dir.path()).absolutePath(), QDir(Path(QStringLiteral("lists"))).absolutePath()}));
}

// What the read back after a write shows, on a good radio and on one that
// acknowledges block 0x018 but stores it wrong.
struct VerifyCase {
    const char* name;
    RadioFault fault;
    const char* text;
    const char* detail;
};

void PrintTo(const VerifyCase& c, std::ostream* os)
{
    *os << c.name;
}

class VerifyAfterWrite : public FrameSafety, public testing::WithParamInterface<VerifyCase> {};

TEST_P(VerifyAfterWrite, SaysWhetherTheRadioHoldsWhatWasWritten)
{
    const VerifyCase& c = GetParam();
    UseRadio({{136, 174}, c.fault, 3});
    Check(ID_PROGRAM_PREVIEW_BEFORE_WRITE, false);
    Check(ID_PROGRAM_VERIFY_AFTER_WRITE, true);
    QString text;
    QString detail;
    AnswerEach<QMessageBox> result([&](QMessageBox& box) {
        text = box.text();
        detail = box.informativeText();
        KeepPicture(box, c.fault == RadioFault::None ? "verified" : "verify_failed");
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    });
    Transfer(ID_PROGRAM_WRITE);
    ASSERT_TRUE(result.count() > 0);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(detail.left(static_cast<qsizetype>(qstrlen(c.detail))), c.detail);
}

INSTANTIATE_TEST_SUITE_P(Radios, VerifyAfterWrite,
                         testing::Values(VerifyCase{"GoodRadio", RadioFault::None, "Verified.", ""},
                                         VerifyCase{"StoresBlock3Wrong", RadioFault::StoreWrong, "Verify failed",
                                                    "0x018: Channel 1"}));

// A write that fails at block 40 offers to write back the read before it;
// once the cable is sound again, Restore leaves the radio as it was read.
TEST_F(FrameSafety, RestoreAfterAWriteThatFailsAtBlock40)
{
    Check(ID_PROGRAM_PREVIEW_BEFORE_WRITE, false);
    Transfer(ID_PROGRAM_READ);
    const RadioImage backup = m_ports->radio.memory();
    EditForm();
    UseRadio({{136, 174}, RadioFault::NakWrite, 40}, backup);

    QStringList shown;
    AnswerEach<QMessageBox> messages([&](QMessageBox& box) {
        shown << box.text();
        for (QAbstractButton* button : box.buttons()) {
            if (button->text() != "Restore")
                continue;
            EXPECT_NE(m_ports->radio.memory(), backup);
            KeepPicture(box, "restore_offer");
            UseRadio({}, m_ports->radio.memory());
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    });
    Transfer(ID_PROGRAM_WRITE);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0], "Communication error");
    EXPECT_TRUE(shown[1].startsWith("The radio now holds a partly written memory")) << shown[1].toStdString();
    EXPECT_EQ(m_ports->radio.memory(), backup);
    EXPECT_EQ(m_frame->statusBar()->currentMessage(), "The radio holds again what it held before the write.");
}

// Without a read or backup of the radio nothing is offered: the message is
// the plain one, with OK alone.
TEST_F(FrameSafety, NoRestoreOfferWithoutABackupFromBeforeTheWrite)
{
    Check(ID_PROGRAM_PREVIEW_BEFORE_WRITE, false);
    UseRadio({{136, 174}, RadioFault::NakWrite, 40});
    QStringList shown;
    QList<qsizetype> buttons;
    AnswerEach<QMessageBox> messages([&](QMessageBox& box) {
        shown << box.text();
        buttons << box.buttons().size();
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    });
    Transfer(ID_PROGRAM_WRITE);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[1].startsWith("The radio now holds a partly written memory"));
    EXPECT_EQ(buttons, (QList<qsizetype>{1, 1}));
}

TEST_F(FrameSafety, MenuChoicesAreRememberedFromOneRunToTheNext)
{
    EXPECT_FALSE(m_frame->CommandAction(ID_PROGRAM_BACKUP_BEFORE_WRITE)->isChecked());
    EXPECT_TRUE(m_frame->CommandAction(ID_PROGRAM_PREVIEW_BEFORE_WRITE)->isChecked());
    EXPECT_FALSE(m_frame->CommandAction(ID_PROGRAM_VERIFY_AFTER_WRITE)->isChecked());

    m_frame->CommandAction(ID_PROGRAM_BACKUP_BEFORE_WRITE)->trigger();
    m_frame->CommandAction(ID_PROGRAM_PREVIEW_BEFORE_WRITE)->trigger();
    m_frame->CommandAction(ID_PROGRAM_VERIFY_AFTER_WRITE)->trigger();
    m_frame.reset();

    CMainFrame next(m_doc, m_docManager);
    EXPECT_TRUE(next.CommandAction(ID_PROGRAM_BACKUP_BEFORE_WRITE)->isChecked());
    EXPECT_FALSE(next.CommandAction(ID_PROGRAM_PREVIEW_BEFORE_WRITE)->isChecked());
    EXPECT_TRUE(next.CommandAction(ID_PROGRAM_VERIFY_AFTER_WRITE)->isChecked());
}

// Back Up Before Write reads the radio first and keeps that as a backup.
TEST_F(FrameSafety, BackUpBeforeWriteKeepsTheRadioAsItWas)
{
    Check(ID_PROGRAM_BACKUP_BEFORE_WRITE, true);
    Check(ID_PROGRAM_PREVIEW_BEFORE_WRITE, false);
    const RadioImage before = m_ports->radio.memory();
    Transfer(ID_PROGRAM_WRITE);
    const QStringList backups = ListBackups();
    ASSERT_EQ(backups.size(), 1);
    RadioImage kept;
    ASSERT_TRUE(LoadChannelFile(backups.first(), kept).ok());
    EXPECT_EQ(kept, before);
    EXPECT_NE(m_ports->radio.memory(), before);
}

// Compare With lists where the form differs from the chosen file, and only
// shows: the form and the file stay as they were.
TEST_F(FrameSafety, CompareWithListsWhereTheFormDiffersFromAFile)
{
    const RadioImage document = m_doc.m_image;
    m_frame->StoreToImage();
    RadioImage other = std::exchange(m_doc.m_image, document);
    for (std::size_t i = 0; i < 3; ++i)
        other.setByte(layout::kPttIdCode + i, static_cast<std::uint8_t>('1' + i));
    const QString path = Path(QStringLiteral("other.sin"));
    ASSERT_TRUE(SaveChannelFile(path, other).ok());
    m_docManager.m_answers << path;
    std::vector<ChangeRow> listed;
    QString title;
    AnswerEach<CImageChangesDialog> comparison([&](CImageChangesDialog& dialog) {
        listed = Rows(dialog);
        title = dialog.windowTitle();
        EXPECT_EQ(dialog.m_buttonWrite, nullptr);
        QTest::mouseClick(dialog.m_buttonClose, Qt::LeftButton);
    });
    m_frame->CommandAction(ID_FILE_COMPARE)->trigger();
    EXPECT_EQ(comparison.count(), 1);
    EXPECT_EQ(title, "Compare With other.sin");
    EXPECT_EQ(listed, (std::vector<ChangeRow>{{"PTT ID Code", "123", "(empty)"}}));
    EXPECT_EQ(m_doc.m_image, document);
}

TEST_F(FrameSafety, OpenBackupStartsInTheBackupsFolderNewestFirst)
{
    QFileDialog dialog;
    CMyDocManager::SetUpBackupDialog(dialog);
    EXPECT_EQ(QDir(dialog.directory()).absolutePath(), QDir(BackupFolder()).absolutePath());
    auto* list = dialog.findChild<QTreeView*>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(list->header()->sortIndicatorSection(), 3);
}

// Save after Open Backup asks for a new name: the backup keeps what the radio held.
TEST_F(FrameSafety, SavingAnOpenedBackupNeverWritesOverIt)
{
    const QString backup = WriteFile(QStringLiteral("2026-12-07_14-03-22_HM-615V.sin"), "");
    QFile file(backup);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray kept = file.readAll();
    file.close();
    const QString copy = Path(QStringLiteral("edited.sin"));
    m_docManager.m_answers = QStringList{backup, copy};

    m_docManager.OnFileOpenBackup();
    EXPECT_TRUE(m_doc.GetPathName().isEmpty());
    EXPECT_TRUE(m_docManager.OnFileSave());

    EXPECT_EQ(m_docManager.m_prompts, QStringList({"backup", "save"}));
    EXPECT_TRUE(QFileInfo::exists(copy));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), kept);
}

} // namespace
