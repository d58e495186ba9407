#include "program_app.h"

#include "app_icons.h"
#include "command_line_info.h"
#include "doc_manager.h"
#include "main_frame.h"

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

} // namespace

CProgramApp::CProgramApp() = default;

CProgramApp::~CProgramApp() = default;

bool CProgramApp::InitInstance(const QStringList& arguments)
{
    m_pDocManager = std::make_unique<CMyDocManager>(m_doc, m_recentFiles);

    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Programming Software"));
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
        Fail(kExitUsage, tr("hmprog: %1\nusage: hmprog [FILE]\n       hmprog --print FILE  (or /p FILE)")
                             .arg(info.m_strError));
        return false;
    }
    if (info.m_nShellCommand == CCommandLineInfo::FilePrint) {
        Fail(kExitFailed, tr("hmprog: printing is not available yet; %1 was not printed")
                              .arg(CommandLinePath(info.m_strFileName)));
        return false;
    }

    m_pMainWnd = std::make_unique<CMainFrame>(m_doc, *m_pDocManager);
    m_pDocManager->SetFrame(m_pMainWnd.get());
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

void CProgramApp::Fail(int exitCode, const QString& message)
{
    m_nExitCode = exitCode;
    QTextStream(stderr) << message << Qt::endl;
}
