#pragma once

#include "recent_file_list.h"

#include "document/program_doc.h"

#include <QStringList>

#include <memory>

class CMainFrame;
struct CCommandLineInfo;
class CMyDocManager;

// The application: one document, its file handling and the main window.
class CProgramApp {
public:
    CProgramApp();
    ~CProgramApp();

    // Start-up: settings, main window, then File New or Open as the command
    // line asks, and the window shown. False when the program is to end at
    // once with ExitCode().
    [[nodiscard]] bool InitInstance(const QStringList& arguments);
    int ExitCode() const { return m_nExitCode; }

    CProgramDoc& Document() { return m_doc; }
    CMainFrame* MainFrame() const { return m_pMainWnd.get(); }

private:
    [[nodiscard]] bool ProcessShellCommand(const QStringList& arguments);
    void PrintFromCommandLine(const CCommandLineInfo& info);
    void Fail(int exitCode, const QString& message);

    CProgramDoc m_doc;
    CRecentFileList m_recentFiles;
    std::unique_ptr<CMyDocManager> m_pDocManager;
    std::unique_ptr<CMainFrame> m_pMainWnd;
    int m_nExitCode = 0;
};
