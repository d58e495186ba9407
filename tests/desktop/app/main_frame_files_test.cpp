#include "frame_fixture.h"

#include "app/command_line_info.h"
#include "app/program_app.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QSettings>

namespace {

using FileCommands = FrameTest;

TEST_F(FileCommands, OpeningTheOpenFileAgainAfterDiscardShowsItAsStored)
{
    const QString path = WriteFile(QStringLiteral("channels.sin"), "1234");
    m_docManager.m_answers = QStringList{path, path};
    m_frame->CommandAction(ID_FILE_OPEN)->trigger();
    ASSERT_EQ(View().PttIdCodeEdit()->text(), "1234");
    const int squelch = View().Combo(FormCombo::Squelch)->currentIndex();

    View().PttIdCodeEdit()->setText(QStringLiteral("999"));
    View().Combo(FormCombo::Squelch)->setCurrentIndex((squelch + 3) % View().Combo(FormCombo::Squelch)->count());
    AnswerSaveQuestion(QMessageBox::Discard);
    m_frame->CommandAction(ID_FILE_OPEN)->trigger();

    EXPECT_EQ(View().PttIdCodeEdit()->text(), "1234");
    EXPECT_EQ(View().Combo(FormCombo::Squelch)->currentIndex(), squelch);
    EXPECT_EQ(m_doc.GetPathName(), path);
    EXPECT_EQ(m_frame->windowTitle(), "Programming Software");
    EXPECT_TRUE(m_frame->windowFilePath().isEmpty());
}

TEST_F(FileCommands, FileNewAfterDiscardReplacesTheFormsEdits)
{
    const QString shownByNew = View().PttIdCodeEdit()->text();
    const int squelchByNew = View().Combo(FormCombo::Squelch)->currentIndex();
    m_docManager.m_answers = QStringList{WriteFile(QStringLiteral("a.sin"), "55")};
    m_frame->CommandAction(ID_FILE_OPEN)->trigger();
    View().PttIdCodeEdit()->setText(QStringLiteral("777"));
    View().Combo(FormCombo::Squelch)->setCurrentIndex((squelchByNew + 1) % View().Combo(FormCombo::Squelch)->count());

    AnswerSaveQuestion(QMessageBox::Discard);
    m_frame->CommandAction(ID_FILE_NEW)->trigger();

    EXPECT_EQ(View().PttIdCodeEdit()->text(), shownByNew);
    EXPECT_EQ(View().Combo(FormCombo::Squelch)->currentIndex(), squelchByNew);
    EXPECT_TRUE(m_doc.GetPathName().isEmpty());
}

TEST_F(FileCommands, DialogPathsAreOpenedAsTheyAre)
{
    // Neighbours that a cut path would reach instead.
    WriteFile(QStringLiteral("a"), "11");
    WriteFile(QStringLiteral("a.sin"), "22");
    const QString deep = Path(QString(120, u'd') + u'/' + QString(120, u'e') + u'/' + QString(60, u'f'));
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString longName = QDir(deep).filePath(QStringLiteral("long.sin")).mid(m_dir.path().size() + 1);
    ASSERT_GT(Path(longName).size(), 259);
    const struct {
        QString name;
        const char* code;
    } cases[] = {
        {QStringLiteral("a\"b.sin"), "33"},
        {QStringLiteral("\"a.sin\""), "44"},
        {QStringLiteral("a.sin\""), "66"},
        {longName, "88"},
        {QStringLiteral("foreign.txt"), "99"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name.toStdString());
        const QString path = WriteFile(row.name, row.code);
        m_docManager.m_answers = QStringList{path};
        m_frame->CommandAction(ID_FILE_OPEN)->trigger();
        EXPECT_EQ(m_doc.GetPathName(), path);
        EXPECT_EQ(View().PttIdCodeEdit()->text(), row.code);
    }
}

TEST_F(FileCommands, SaveAsGivesANameWithoutExtensionSin)
{
    const struct {
        const char* typed;
        const char* written;
    } cases[] = {{"plain", "plain.sin"}, {"radio.bin", "radio.bin"}, {"q\"uote", "q\"uote.sin"},
                 {"dotted.sin", "dotted.sin"}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.typed);
        m_docManager.m_answers = QStringList{Path(row.typed)};
        m_frame->CommandAction(ID_FILE_SAVE_AS)->trigger();
        EXPECT_EQ(m_doc.GetPathName(), Path(row.written));
        EXPECT_EQ(QFileInfo(Path(row.written)).size(), 1024);
        if (QString(row.typed) != row.written) {
            EXPECT_FALSE(QFileInfo::exists(Path(row.typed)));
        }
    }
}

TEST_F(FileCommands, SaveStoresTheFormFirstAndAsksForANameOnlyWhenUntitled)
{
    m_docManager.m_answers = QStringList{Path("first.sin")};
    View().PttIdCodeEdit()->setText(QStringLiteral("31"));
    m_frame->CommandAction(ID_FILE_SAVE)->trigger();
    View().PttIdCodeEdit()->setText(QStringLiteral("32"));
    m_frame->CommandAction(ID_FILE_SAVE)->trigger();
    EXPECT_EQ(m_docManager.m_prompts, QStringList{"save"});

    RadioImage saved;
    ASSERT_TRUE(LoadChannelFile(Path("first.sin"), saved).ok());
    EXPECT_EQ(saved.byte(0x3B0), '3');
    EXPECT_EQ(saved.byte(0x3B1), '2');
}

TEST(FileDialogs, OfferChannelDataFirstAndAllFilesAfter)
{
    for (const bool open : {true, false}) {
        SCOPED_TRACE(open);
        QFileDialog dialog;
        CMyDocManager::SetUpFileDialog(dialog, open);
        EXPECT_EQ(dialog.nameFilters(), QStringList({"Channel Data (*.sin)", "All Files (*)"}));
        EXPECT_EQ(dialog.selectedNameFilter(), "Channel Data (*.sin)");
        EXPECT_EQ(dialog.defaultSuffix(), open ? "" : "sin");
        EXPECT_EQ(dialog.acceptMode(), open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    }
}

TEST(RecentFileList, KeepsTheFourNewestFirstInTheSettings)
{
    const struct {
        QStringList added;
        QStringList kept;
    } cases[] = {
        {{"a"}, {"a"}},
        {{"a", "b", "c", "d", "e"}, {"e", "d", "c", "b"}},
        {{"a", "b", "a"}, {"a", "b"}},
        {{"a", "b", "c", "d", "b"}, {"b", "d", "c", "a"}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.added.join(u',').toStdString());
        QSettings().remove(QStringLiteral("Recent File List"));
        CRecentFileList list;
        list.ReadList();
        for (const QString& path : row.added)
            list.Add(path);
        EXPECT_EQ(list.Files(), row.kept);
        CRecentFileList reread;
        reread.ReadList();
        EXPECT_EQ(reread.Files(), row.kept);
    }
}

TEST(CommandLine, ParsesNewOpenAndPrint)
{
    const struct {
        QStringList arguments;
        CCommandLineInfo::ShellCommand command;
        const char* file;
    } cases[] = {
        {{}, CCommandLineInfo::FileNew, ""},
        {{"a.sin"}, CCommandLineInfo::FileOpen, "a.sin"},
        {{"/home/u/a.sin", "b.sin"}, CCommandLineInfo::FileOpen, "/home/u/a.sin"},
        {{"--print", "a.sin"}, CCommandLineInfo::FilePrint, "a.sin"},
        {{"/p", "a.sin"}, CCommandLineInfo::FilePrint, "a.sin"},
        {{"a.sin", "/P"}, CCommandLineInfo::FilePrint, "a.sin"},
        {{"--print"}, CCommandLineInfo::Invalid, ""},
        {{"--colour", "a.sin"}, CCommandLineInfo::Invalid, ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        const CCommandLineInfo info = ParseCommandLine(row.arguments);
        EXPECT_EQ(info.m_nShellCommand, row.command);
        if (row.command != CCommandLineInfo::Invalid) {
            EXPECT_EQ(info.m_strFileName, row.file);
        }
        EXPECT_EQ(info.m_strError.isEmpty(), row.command != CCommandLineInfo::Invalid);
    }
}

TEST(CommandLine, PathLosesItsQuotesButNothingForLength)
{
    const QString longPath = QStringLiteral("/") + QString(400, u'x') + QStringLiteral(".sin");
    const struct {
        QString argument;
        QString path;
    } cases[] = {
        {"\"/tmp/a b.sin\"", "/tmp/a b.sin"},
        {"/tmp/a.sin\"", "/tmp/a.sin"},
        {"\"/tmp/a.sin", "/tmp/a.sin"},
        {"/tmp/a.sin", "/tmp/a.sin"},
        {"\"/tmp/a\"b.sin\"", "/tmp/a\"b.sin"},
        {"\"\"", ""},
        {longPath, longPath},
        {'"' + longPath + '"', longPath},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.argument.toStdString());
        EXPECT_EQ(CommandLinePath(row.argument), row.path);
    }
}

// Start-up with a command line, as the program runs it.
class StartUp : public testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        ASSERT_TRUE(m_dir.isValid());
        RadioImage image;
        image.ResetToDefaults();
        image.setByte(0x3B0, '4');
        image.setByte(0x3B1, '2');
        m_path = m_dir.filePath(QStringLiteral("start.sin"));
        ASSERT_TRUE(SaveChannelFile(m_path, image).ok());
    }

    QTemporaryDir m_dir;
    QString m_path;
};

TEST_F(StartUp, OpensTheNamedFileWithoutItsQuotes)
{
    const QString cases[] = {m_path, '"' + m_path + '"', m_path + '"'};
    for (const QString& argument : cases) {
        SCOPED_TRACE(argument.toStdString());
        CProgramApp app;
        ASSERT_TRUE(app.InitInstance({argument}));
        EXPECT_EQ(app.Document().GetPathName(), m_path);
        EXPECT_EQ(app.MainFrame()->GetActiveView()->PttIdCodeEdit()->text(), "42");
        EXPECT_TRUE(app.MainFrame()->isVisible());
        EXPECT_EQ(app.MainFrame()->windowTitle(), "Programming Software");
        EXPECT_EQ(QCoreApplication::organizationName(), "Local AppWizard-Generated Applications");
        EXPECT_EQ(QCoreApplication::applicationName(), "Programming Software");
    }
}

TEST_F(StartUp, WithoutArgumentsStartsANewDocument)
{
    CProgramApp app;
    ASSERT_TRUE(app.InitInstance({}));
    RadioImage reset;
    reset.ResetToDefaults();
    EXPECT_TRUE(app.Document().GetPathName().isEmpty());
    EXPECT_EQ(app.Document().m_image, reset);
    EXPECT_TRUE(app.MainFrame()->isVisible());
    EXPECT_LE(app.MainFrame()->width(), 800);
    EXPECT_LT(app.MainFrame()->height(), 1100);
}

TEST_F(StartUp, EndsWithAStatusWhenItCannotGoOn)
{
    const struct {
        QStringList arguments;
        int exitCode;
        bool message;
    } cases[] = {
        {{m_dir.filePath(QStringLiteral("missing.sin"))}, 1, true},
        {{"--print", m_path}, 1, false},
        {{"/p", m_path}, 1, false},
        {{"--bogus"}, 2, false},
    };
    // The print switches end with status 1 here because no printer is set
    // up; on a machine with one they would print a page, so they are left out.
    const bool printerPresent = !QPrinterInfo::defaultPrinter().isNull();
    for (const auto& row : cases) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        const bool printSwitch = row.arguments.first() == "--print" || row.arguments.first() == "/p";
        if (printSwitch && printerPresent)
            continue;
        int messages = 0;
        if (row.message) {
            OnceModal([&](QDialog& dialog) {
                messages += qobject_cast<QMessageBox*>(&dialog) != nullptr;
                PressKey(dialog, Qt::Key_Return);
            });
        }
        CProgramApp app;
        EXPECT_FALSE(app.InitInstance(row.arguments));
        EXPECT_EQ(app.ExitCode(), row.exitCode);
        EXPECT_EQ(messages, row.message ? 1 : 0);
        EXPECT_TRUE(!app.MainFrame() || !app.MainFrame()->isVisible());
    }
}

} // namespace
