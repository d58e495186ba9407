#include "editor/desktop_transfer_host.h"

#include "editor/progress_dialog.h"
#include "editor/transfer_ports.h"

#include <QCoreApplication>

#include <utility>

#if defined(Q_OS_LINUX)
#include <sys/prctl.h>
#endif

CDesktopTransferHost::CDesktopTransferHost(CProgressDialog& dialog, const TransferPrompts& prompts,
                                           CTransferPorts& ports, QString port)
    : m_dialog(dialog), m_prompts(prompts), m_ports(ports), m_port(std::move(port))
{
#if defined(Q_OS_LINUX)
    // The transfer's pauses are a millisecond long; the kernel's default timer
    // slack of 50 us would stretch each of them for nothing. The event loop
    // gets its own slack back when the transfer ends.
    const int slack = ::prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    m_savedTimerSlack = slack > 0 ? static_cast<unsigned long>(slack) : 0;
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
#endif
}

CDesktopTransferHost::~CDesktopTransferHost()
{
#if defined(Q_OS_LINUX)
    if (m_savedTimerSlack > 0)
        ::prctl(PR_SET_TIMERSLACK, m_savedTimerSlack, 0, 0, 0);
#endif
}

void CDesktopTransferHost::DispatchOne()
{
    QCoreApplication::processEvents();
}

bool CDesktopTransferHost::CancelRequested()
{
    return m_dialog.m_bCancel != 0;
}

void CDesktopTransferHost::Sleep(int milliseconds)
{
    m_ports.Pause(milliseconds);
}

void CDesktopTransferHost::Progress(int steps)
{
    m_dialog.StepIt(steps);
}

void CDesktopTransferHost::ShowStatus(const TransferStatus& status)
{
    m_dialog.SetStatusText(TransferStatusText(status, m_port));
}

void CDesktopTransferHost::ShowMessage(const QString& text)
{
    m_dialog.ShowProgressNow();
    if (m_prompts.showMessage)
        m_prompts.showMessage(text, QString());
}

RetryAnswer CDesktopTransferHost::AskRetry(const QString& text)
{
    m_dialog.ShowProgressNow();
    return m_prompts.askRetry ? m_prompts.askRetry(text) : RetryAnswer::Cancel;
}

VersionAnswer CDesktopTransferHost::AskVersion()
{
    m_dialog.ShowProgressNow();
    return m_prompts.askVersion ? m_prompts.askVersion() : VersionAnswer::Cancel;
}
