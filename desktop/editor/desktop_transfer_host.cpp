#include "editor/desktop_transfer_host.h"

#include "editor/progress_dialog.h"

#include "document/core_text.h"

#include <QCoreApplication>

#include <utility>

CDesktopTransferHost::CDesktopTransferHost(CProgressDialog& dialog, const TransferPrompts& prompts, QString port)
    : m_dialog(dialog), m_prompts(prompts), m_port(std::move(port))
{
}

// Every event pending now, not just one: a transfer polls often enough that
// what arrives later waits for the next poll.
void CDesktopTransferHost::DispatchOne()
{
    QCoreApplication::processEvents();
}

bool CDesktopTransferHost::CancelRequested()
{
    return m_dialog.m_bCancel != 0;
}

void CDesktopTransferHost::Progress(int steps)
{
    m_dialog.StepIt(steps);
}

void CDesktopTransferHost::ShowStatus(const TransferStatus& status)
{
    m_dialog.SetStatusText(QString::fromStdString(TransferStatusText(status, m_port.toStdString(), CoreTextUtf8)));
}

void CDesktopTransferHost::ShowMessage(const std::string& text)
{
    m_dialog.ShowProgressNow();
    if (m_prompts.showMessage)
        m_prompts.showMessage(CoreText(text), QString());
}

RetryAnswer CDesktopTransferHost::AskRetry(const std::string& text)
{
    m_dialog.ShowProgressNow();
    return m_prompts.askRetry ? m_prompts.askRetry(CoreText(text)) : RetryAnswer::Cancel;
}

VersionAnswer CDesktopTransferHost::AskVersion()
{
    m_dialog.ShowProgressNow();
    return m_prompts.askVersion ? m_prompts.askVersion() : VersionAnswer::Cancel;
}
