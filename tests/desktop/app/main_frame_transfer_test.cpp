#include "frame_fixture.h"

#include "app/command_line_info.h"
#include "app/other_port_dialog.h"
#include "app/program_app.h"

#include "editor/transfer_fixture.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressBar>
#include <QStatusBar>

namespace {

// The commands a running transfer keeps away from the user.
const int kBarred[] = {ID_FILE_NEW,         ID_FILE_OPEN,         ID_FILE_OPEN_BACKUP, ID_FILE_COMPARE,
                       ID_FILE_SAVE,        ID_FILE_SAVE_AS,      ID_FILE_PRINT,       ID_FILE_PRINT_PREVIEW,
                       ID_FILE_PRINT_SETUP, ID_PROGRAM_KILL_CODE, ID_PROGRAM_TRACE,    ID_PROGRAM_BACKUP_BEFORE_WRITE,
                       ID_PROGRAM_PREVIEW_BEFORE_WRITE,           ID_PROGRAM_VERIFY_AFTER_WRITE, ID_APP_ABOUT,
                       ID_FILE_IMPORT_CHANNELS,         ID_FILE_EXPORT_CHANNELS,       ID_EDIT_CUT,
                       ID_EDIT_PASTE,       ID_EDIT_CLEAR,        ID_EDIT_MOVE_UP,     ID_EDIT_MOVE_DOWN};
// Read, Write, the Port menu and Copy stay usable.
const int kUsable[] = {ID_PROGRAM_READ, ID_PROGRAM_WRITE,  ID_PORT_COM1, ID_PORT_COM2,
                       ID_PORT_COM8,    ID_PORT_OTHER,     ID_PORT_FIND_CABLE, ID_PORT_SIMULATED, ID_EDIT_COPY};

class FrameTransfer : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        View().SetTransferPorts(&m_ports);
    }

    CProgressDialog& Dialog() { return *View().ProgressDialog(); }

    // The command, then OK; the posted start runs the whole transfer.
    void Transfer(int command)
    {
        m_frame->CommandAction(command)->trigger();
        ASSERT_TRUE(Dialog().isVisible());
        QTest::mouseClick(Dialog().m_buttonOk, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Dialog().isVisible(); }, 20000));
    }

    std::vector<int> CheckedPorts()
    {
        std::vector<int> checked;
        for (QAction* item : m_frame->Menu(MenuId::Port)->actions()) {
            if (item->isChecked())
                checked.push_back(item->data().toInt());
        }
        return checked;
    }

    void OpenPortMenu() { emit m_frame->Menu(MenuId::Port)->aboutToShow(); }

    void ChooseOtherPort(const QString& path)
    {
        m_frame->CommandAction(ID_PORT_OTHER)->trigger();
        auto* dialog = m_frame->findChild<COtherPortDialog*>();
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->isVisible());
        EXPECT_FALSE(dialog->isModal());
        dialog->m_editPath->setText(path);
        QTest::mouseClick(dialog->m_buttonOk, Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible());
    }

    TestPorts m_ports;
};

TEST_F(FrameTransfer, CommandsThatWouldDisturbItAreGreyedAndClosingIsRefusedWhileItRuns)
{
    m_frame->CommandAction(ID_PORT_SIMULATED)->trigger();
    int checked = 0;
    QObject::connect(Dialog().m_progress, &QProgressBar::valueChanged, m_frame.get(), [&](int position) {
        if (position != 30)
            return;
        for (const int id : kBarred)
            EXPECT_FALSE(m_frame->CommandAction(id)->isEnabled()) << id;
        for (const int id : kUsable)
            EXPECT_TRUE(m_frame->CommandAction(id)->isEnabled()) << id;
        EXPECT_FALSE(m_frame->CommandAction(ID_EDIT_UNDO)->isEnabled());
        EXPECT_FALSE(m_frame->CommandAction(ID_EDIT_REDO)->isEnabled());
        // No exit prompt comes: the test environment fails any dialog nobody answers.
        EXPECT_FALSE(m_frame->close());
        EXPECT_TRUE(m_frame->isVisible());
        EXPECT_TRUE(m_frame->statusBar()->currentMessage().contains("transfer with the radio is running"));
        ++checked;
    });
    Transfer(ID_PROGRAM_READ);
    EXPECT_EQ(checked, 1);
    for (const int id : kBarred)
        EXPECT_TRUE(m_frame->CommandAction(id)->isEnabled()) << id;
    // What is said once it has ended is where the read's backup went.
    EXPECT_TRUE(m_frame->statusBar()->currentMessage().startsWith("A backup of the radio is kept in"))
        << m_frame->statusBar()->currentMessage().toStdString();
    EXPECT_EQ(View().Grid()->GetTextMatrix(1, 1), "145.52500");
    ASSERT_EQ(m_ports.targets.size(), 1u);
    EXPECT_TRUE(m_ports.targets[0].simulated);
}

TEST_F(FrameTransfer, PortItemsShowTheirDevicesKeepTheirBindingAndCarryOneCheckMark)
{
    std::vector<SerialDevice> devices = {{"ttyS0", "/dev/ttyS0", {}, {}, false},
                                         {"ttyUSB0", "/dev/ttyUSB0", "FT232R USB UART", "FTDI", true}};
    View().PortChoice() = PortSelection([&devices] { return devices; }, PortSelection::Naming::Devices);
    OpenPortMenu();
    EXPECT_EQ(m_frame->CommandAction(ID_PORT_COM1)->text(), "COM1 (ttyUSB0)\tCtrl+C");
    EXPECT_EQ(m_frame->CommandAction(ID_PORT_COM1)->statusTip(), "COM1: /dev/ttyUSB0, FT232R USB UART, FTDI");
    EXPECT_EQ(m_frame->CommandAction(ID_PORT_COM2)->text(), "COM2 (ttyS0)\tCtrl+D");
    EXPECT_EQ(m_frame->CommandAction(ID_PORT_COM8)->text(), "COM8 (none)");
    EXPECT_EQ(CheckedPorts(), std::vector<int>{ID_PORT_COM1});

    QTest::keyClick(m_frame.get(), Qt::Key_D, Qt::ControlModifier);   // COM2
    EXPECT_EQ(CheckedPorts(), std::vector<int>{ID_PORT_COM2});
    devices.insert(devices.begin(), {"ttyACM0", "/dev/ttyACM0", {}, {}, true});
    OpenPortMenu();
    EXPECT_EQ(m_frame->CommandAction(ID_PORT_COM2)->text(), "COM2 (ttyS0)\tCtrl+D");
    EXPECT_EQ(m_frame->CommandAction(ID_PORT_COM1)->text(), "COM1 (ttyACM0)\tCtrl+C");

    ChooseOtherPort(QStringLiteral("  /dev/pts/9 "));
    EXPECT_EQ(CheckedPorts(), std::vector<int>{ID_PORT_OTHER});
    EXPECT_EQ(m_frame->CommandAction(ID_PORT_OTHER)->text(), "Other port… (/dev/pts/9)");
    EXPECT_EQ(View().PortName(), "/dev/pts/9");

    // Cancelling the path dialog keeps the choice.
    m_frame->CommandAction(ID_PORT_SIMULATED)->trigger();
    m_frame->CommandAction(ID_PORT_OTHER)->trigger();
    m_frame->findChild<COtherPortDialog*>()->reject();
    EXPECT_EQ(CheckedPorts(), std::vector<int>{ID_PORT_SIMULATED});
    EXPECT_EQ(View().PortName(), "Simulated radio");
}

TEST_F(FrameTransfer, ReadsThroughAnOtherPortFromTheCommandLinesSimulatedRadio)
{
    QProcess sim;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    sim.setProcessEnvironment(env);
    sim.start(QStringLiteral(HMPROG_CLI), {QStringLiteral("sim")});
    ASSERT_TRUE(QTest::qWaitFor([&sim] { return sim.canReadLine(); }, 10000));
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();

    View().SetTransferPorts(nullptr);
    ChooseOtherPort(device);
    // The status line as it was painted, and the dialog as it looked half way;
    // HMPROG_SCREENSHOT_DIR keeps that picture.
    struct StatusWatch : QObject {
        QLabel* label = nullptr;
        QStringList painted;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && (painted.isEmpty() || painted.back() != label->text()))
                painted << label->text();
            return false;
        }
    } watch;
    watch.label = Dialog().m_staticStatus;
    watch.label->installEventFilter(&watch);
    QString halfWay;
    QObject::connect(Dialog().m_progress, &QProgressBar::valueChanged, m_frame.get(), [&](int position) {
        if (position != 64)
            return;
        halfWay = Dialog().m_staticStatus->text();
        const QString dir = qEnvironmentVariable("HMPROG_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            Dialog().grab().save(dir + QStringLiteral("/progress_dialog_read.png"));
    });
    Transfer(ID_PROGRAM_READ);
    EXPECT_EQ(halfWay, "Block 65 of 128");
    ASSERT_GE(watch.painted.size(), 3);
    EXPECT_EQ(watch.painted[1], "Waiting for the radio on " + device);
    EXPECT_EQ(watch.painted[2], "Identifying the radio");
    EXPECT_EQ(watch.painted.back(), "Done");
    EXPECT_EQ(View().Grid()->GetTextMatrix(1, 1), "145.52500");
    EXPECT_EQ(View().Grid()->GetTextMatrix(3, 2), "145.00000");
    EXPECT_EQ(m_doc.m_image, DemoRadioImage());
    sim.terminate();
    EXPECT_TRUE(sim.waitForFinished(10000));
}

TEST_F(FrameTransfer, PrintPreviewShowsOnePage)
{
    int pages = 0;
    OnceModal([&pages](QDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        pages = preview->pageCount();
        dialog.reject();
    });
    m_frame->CommandAction(ID_FILE_PRINT_PREVIEW)->trigger();
    EXPECT_EQ(pages, 1);
}

// ---- printing from the command line

TEST(PrintSwitches, ParseWithTheirFiles)
{
    const struct {
        QStringList arguments;
        CCommandLineInfo::ShellCommand command;
        const char* file;
        const char* pdf;
    } cases[] = {
        {{"--print-to-pdf", "out.pdf", "a.sin"}, CCommandLineInfo::FilePrintToPdf, "a.sin", "out.pdf"},
        {{"a.sin", "--print-to-pdf", "out.pdf"}, CCommandLineInfo::FilePrintToPdf, "a.sin", "out.pdf"},
        {{"--print-to-pdf", "out.pdf"}, CCommandLineInfo::Invalid, "", ""},
        {{"--print-to-pdf"}, CCommandLineInfo::Invalid, "", ""},
        {{"--print", "--print-to-pdf", "out.pdf", "a.sin"}, CCommandLineInfo::Invalid, "", ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        const CCommandLineInfo info = ParseCommandLine(row.arguments);
        EXPECT_EQ(info.m_nShellCommand, row.command);
        if (row.command != CCommandLineInfo::Invalid) {
            EXPECT_EQ(info.m_strFileName, row.file);
            EXPECT_EQ(info.m_strPdfName, row.pdf);
        }
        EXPECT_EQ(PrintsWithoutWindow(row.arguments), row.command == CCommandLineInfo::FilePrintToPdf);
    }
}

TEST(PrintToPdf, WritesThePageOrEndsWithAStatus)
{
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("radio.sin"));
    ASSERT_TRUE(SaveChannelFile(file, DemoRadioImage()).ok());
    const struct {
        const char* what;
        QString pdf;
        QString file;
        int exitCode;
    } cases[] = {
        {"written", dir.filePath(QStringLiteral("list.pdf")), file, 0},
        {"file missing", dir.filePath(QStringLiteral("missing.pdf")), dir.filePath(QStringLiteral("no.sin")), 1},
        {"PDF cannot be written", dir.filePath(QStringLiteral("no/such/dir.pdf")), file, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CProgramApp app;
        EXPECT_FALSE(app.InitInstance({QStringLiteral("--print-to-pdf"), c.pdf, c.file}));
        EXPECT_EQ(app.ExitCode(), c.exitCode);
        EXPECT_FALSE(app.MainFrame()->isVisible());
        QFile pdf(c.pdf);
        EXPECT_EQ(pdf.open(QIODevice::ReadOnly), c.exitCode == 0);
        if (c.exitCode == 0) {
            EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));
        }
    }
}

TEST(PrintOnPrinter, WithoutAPrinterEndsWithAStatus)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a printer";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("radio.sin"));
    ASSERT_TRUE(SaveChannelFile(file, DemoRadioImage()).ok());
    CProgramApp app;
    EXPECT_FALSE(app.InitInstance({QStringLiteral("/p"), file}));
    EXPECT_EQ(app.ExitCode(), 1);
}

} // namespace
