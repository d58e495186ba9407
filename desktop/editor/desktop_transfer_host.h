#pragma once

#include "editor/transfer_prompts.h"
#include "link/transfer_host.h"

#include <QString>

class CProgressDialog;

// The desktop program as the host of a transfer: each poll lets Qt handle the
// events that are pending, so that the window stays alive and Cancel can be
// pressed; progress goes to the dialog; questions to the program's prompts,
// each text through the program's translation.
class CDesktopTransferHost final : public TransferHost {
public:
    // port: the port as the status line names it while waiting for the radio.
    CDesktopTransferHost(CProgressDialog& dialog, const TransferPrompts& prompts, QString port = {});

    void DispatchOne() override;
    bool CancelRequested() override;
    void Progress(int steps) override;
    void ShowStatus(const TransferStatus& status) override;
    void ShowMessage(const std::string& text) override;
    RetryAnswer AskRetry(const std::string& text) override;
    VersionAnswer AskVersion() override;

private:
    CProgressDialog& m_dialog;
    const TransferPrompts& m_prompts;
    const QString m_port;
};
