#pragma once

#include "editor/transfer_prompts.h"
#include "link/transfer_host.h"

class CProgressDialog;
class CTransferPorts;

// The desktop program as the host of a transfer: each poll lets Qt handle the
// events that are pending, so that the window stays alive and Cancel can be
// pressed; progress goes to the dialog; questions to the program's prompts.
class CDesktopTransferHost final : public TransferHost {
public:
    // port: the port as the status line names it while waiting for the radio.
    CDesktopTransferHost(CProgressDialog& dialog, const TransferPrompts& prompts, CTransferPorts& ports,
                         QString port = {});
    ~CDesktopTransferHost() override;
    CDesktopTransferHost(const CDesktopTransferHost&) = delete;
    CDesktopTransferHost& operator=(const CDesktopTransferHost&) = delete;

    void DispatchOne() override;
    bool CancelRequested() override;
    void Sleep(int milliseconds) override;
    void Progress(int steps) override;
    void ShowStatus(const TransferStatus& status) override;
    void ShowMessage(const QString& text) override;
    RetryAnswer AskRetry(const QString& text) override;
    VersionAnswer AskVersion() override;

private:
    CProgressDialog& m_dialog;
    const TransferPrompts& m_prompts;
    CTransferPorts& m_ports;
    const QString m_port;
    unsigned long m_savedTimerSlack = 0;
};
