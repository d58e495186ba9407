#include "program_app.h"
#include "program_title.h"

#include "app_icons.h"
#include "command_line_info.h"
#include "doc_manager.h"
#include "main_frame.h"
#include "print_commands.h"

#include "editor/program_view.h"
#include "document/display_path.h"

#include <QApplication>
#include <QTextStream>

namespace {

// Exit statuses of a start-up that ends at once.
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

QString tr(const char* text)
{
    return QCoreApplication::translate("CProgramApp", text);
}

// A file printed from the command line reports its errors on the terminal:
// nobody is there to answer a message box.
class CCommandLineDocHost : public CProgramDocHost {
public:
    explicit CCommandLineDocHost(CMainFrame& frame) : m_frame(frame) {}

    void StoreToImage() override { m_frame.StoreToImage(); }
    void ReportFileError(const FileStatus& status) override
    {
        QTextStream(stderr) << "hmprog: " << status.text() << ' ' << status.detail() << Qt::endl;
    }

private:
    CMainFrame& m_frame;
};

} // namespace

CProgramApp::CProgramApp() = default;

CProgramApp::~CProgramApp() = default;

bool CProgramApp::InitInstance(const QStringList& arguments)
{
    m_pDocManager = std::make_unique<CMyDocManager>(m_doc, m_recentFiles);

    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QApplication::setWindowIcon(AppIcon());
    m_recentFiles.ReadList();

    if (!ProcessShellCommand(arguments))
        return false;

    m_pMainWnd->show();
    return true;
}

bool CProgramApp::ProcessShellCommand(const QStringList& arguments)
{
    const CCommandLineInfo info = ParseCommandLine(arguments);
    if (info.m_nShellCommand == CCommandLineInfo::Invalid) {
        Fail(kExitUsage, tr("hmprog: %1\nusage: hmprog [FILE]\n       hmprog --print FILE  (or /p FILE)\n"
                            "       hmprog --print-to-pdf OUT.pdf FILE\n       hmprog --version")
                             .arg(info.m_strError));
        return false;
    }

    m_pMainWnd = std::make_unique<CMainFrame>(m_doc, *m_pDocManager);
    m_pDocManager->SetFrame(m_pMainWnd.get());
    if (info.m_nShellCommand == CCommandLineInfo::FilePrint ||
        info.m_nShellCommand == CCommandLineInfo::FilePrintToPdf) {
        PrintFromCommandLine(info);
        return false;
    }
    const bool done = info.m_nShellCommand == CCommandLineInfo::FileOpen
        ? m_pDocManager->OpenDocumentFile(CommandLinePath(info.m_strFileName))
        : m_pDocManager->OnFileNew();
    if (!done) {
        // The document has already shown why.
        m_nExitCode = kExitFailed;
        return false;
    }
    return true;
}

// The file's page is printed, or written to the PDF, from a window that is
// never shown; then the program ends.
void CProgramApp::PrintFromCommandLine(const CCommandLineInfo& info)
{
    const QString path = CommandLinePath(info.m_strFileName);
    CCommandLineDocHost host(*m_pMainWnd);
    m_doc.SetHost(&host);
    const bool opened = m_pDocManager->OpenDocumentFile(path);
    m_doc.SetHost(m_pMainWnd.get());
    if (!opened) {
        Fail(kExitFailed, tr("hmprog: %1 was not printed").arg(DisplayPath(path)));
        return;
    }
    QString error;
    CProgramView& view = *m_pMainWnd->GetActiveView();
    const bool printed = info.m_nShellCommand == CCommandLineInfo::FilePrintToPdf
        ? PrintToPdf(view, info.m_strPdfName, error)
        : PrintOnDefaultPrinter(view, error);
    if (!printed) {
        Fail(kExitFailed, tr("hmprog: %1; %2 was not printed").arg(error, DisplayPath(path)));
        return;
    }
    m_nExitCode = 0;
}

void CProgramApp::Fail(int exitCode, const QString& message)
{
    m_nExitCode = exitCode;
    QTextStream(stderr) << message << Qt::endl;
}
