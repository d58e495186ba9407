// The desktop's trace and open failures against the command line's, for the
// same transfer and the same failure.

#include "frame_fixture.h"

#include "editor/transfer_fixture.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStatusBar>

namespace {


struct CliRun {
    int exitCode = -1;
    QStringList errorLines;
};

CliRun RunCli(const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(HMPROG_CLI), args);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts)};
}

// The trace's lines with the times taken off: what passed, in order.
QStringList TracedOperations(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {QStringLiteral("(no trace at %1)").arg(path)};
    QStringList operations;
    static const QRegularExpression time(QStringLiteral("^ *\\d+\\.\\d{3} "));
    for (QString line : QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts))
        operations << line.remove(time);
    return operations;
}

class FrameTrace : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        View().SetTransferPorts(&m_ports);
    }

    CProgressDialog& Dialog() { return *View().ProgressDialog(); }

    // Checks "Trace to File…" and types path into the file dialog.
    void StartTrace(const QString& path)
    {
        OnceModal([&path](QDialog& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            ASSERT_NE(files, nullptr);
            EXPECT_TRUE(files->selectedFiles().value(0).endsWith(QStringLiteral("hmprog-trace.txt")));
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->selectAll();
            QTest::keyClicks(name, path);
            QTest::keyClick(name, Qt::Key_Return);
        });
        m_frame->CommandAction(ID_PROGRAM_TRACE)->trigger();
    }

    void Transfer(int command)
    {
        m_frame->CommandAction(command)->trigger();
        ASSERT_TRUE(Dialog().isVisible());
        QTest::mouseClick(Dialog().m_buttonOk, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Dialog().isVisible(); }, 20000));
    }

    TestPorts m_ports;
};

TEST_F(FrameTrace, ADesktopTraceEqualsTheCommandLinesForTheSameTransfer)
{
    const QString desktopTrace = Path(QStringLiteral("desktop.txt"));
    StartTrace(desktopTrace);
    EXPECT_TRUE(m_frame->CommandAction(ID_PROGRAM_TRACE)->isChecked());
    EXPECT_TRUE(m_frame->statusBar()->currentMessage().contains(desktopTrace));
    // HMPROG_SCREENSHOT_DIR keeps a picture of the Program menu with the item checked.
    const QString pictures = qEnvironmentVariable("HMPROG_SCREENSHOT_DIR");
    if (!pictures.isEmpty()) {
        QMenu* program = m_frame->Menu(MenuId::Program);
        program->popup(m_frame->mapToGlobal(QPoint(0, 0)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(program));
        program->grab().save(pictures + QStringLiteral("/program_menu_trace.png"));
        program->hide();
    }
    m_frame->CommandAction(ID_PORT_SIMULATED)->trigger();
    Transfer(ID_PROGRAM_READ);

    const QString cliTrace = Path(QStringLiteral("cli.txt"));
    const CliRun cli = RunCli({QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("sim"),
                               QStringLiteral("--output"), Path(QStringLiteral("read.sin")),
                               QStringLiteral("--trace"), cliTrace});
    ASSERT_EQ(cli.exitCode, 0) << cli.errorLines.join(u'\n').toStdString();

    const QStringList desktop = TracedOperations(desktopTrace);
    EXPECT_GT(desktop.size(), 128 * 4);
    EXPECT_EQ(desktop.value(0), "open sim");
    EXPECT_EQ(desktop, TracedOperations(cliTrace));

    // Unchecked, the next transfer leaves the file as it was.
    m_frame->CommandAction(ID_PROGRAM_TRACE)->trigger();
    EXPECT_FALSE(m_frame->CommandAction(ID_PROGRAM_TRACE)->isChecked());
    Transfer(ID_PROGRAM_READ);
    EXPECT_EQ(TracedOperations(desktopTrace), desktop);
}

TEST_F(FrameTrace, CancellingTheFileDialogLeavesTheItemUnchecked)
{
    OnceModal([](QDialog& dialog) { PressKey(dialog, Qt::Key_Escape); });
    m_frame->CommandAction(ID_PROGRAM_TRACE)->trigger();
    EXPECT_FALSE(m_frame->CommandAction(ID_PROGRAM_TRACE)->isChecked());
    EXPECT_FALSE(View().IsTracing());
}

TEST_F(FrameTrace, TheDesktopAndTheCommandLineSayTheSameOfAPortThatWillNotOpen)
{
    const QString missing = Path(QStringLiteral("no-such-dir/ttyHM0"));
    View().SetTransferPorts(nullptr);
    View().OnPortOther(missing);
    QString text;
    QString detail;
    m_frame->CommandAction(ID_PROGRAM_READ)->trigger();
    QTest::mouseClick(Dialog().m_buttonOk, Qt::LeftButton);
    // The box comes up once the start that OK posted has run.
    OnceModal([&](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        text = box->text();
        detail = box->informativeText();
        PressKey(dialog, Qt::Key_Return);
    });
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Dialog().isVisible(); }, 20000));

    const CliRun cli = RunCli({QStringLiteral("read"), QStringLiteral("--port"), missing, QStringLiteral("--output"),
                               Path(QStringLiteral("read.sin"))});
    EXPECT_EQ(cli.exitCode, 1);
    EXPECT_EQ(cli.errorLines, QStringList({"hmprog-cli: " + text, "hmprog-cli: " + detail}));
    EXPECT_EQ(text, "Could not open the port");
    EXPECT_TRUE(detail.startsWith(missing + ": ")) << detail.toStdString();
    EXPECT_TRUE(detail.contains("The device is missing")) << detail.toStdString();
}

} // namespace
