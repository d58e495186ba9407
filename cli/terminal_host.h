#pragma once

#include "link/transfer_host.h"
#include "link/transfer_types.h"

#include <QString>

#include <cstddef>

// How the command line answers the prompts of a transfer.
struct PromptPolicy {
    int automaticRetries = 0;  // retry prompts answered Retry without asking
    bool continueOnVersion = false; // the version prompt answered Continue without asking
    bool interactive = false;  // ask on the terminal once the above are used up
    bool showProgress = false; // the percentage and the status on standard error
    QString port;              // named while waiting for the radio
};

// The command line as the host of a transfer. It has no window events to
// dispatch: Ctrl+C arrives as a signal and is seen at the next poll.
// Messages go to standard error as "hmprog-cli: TEXT".
class TerminalHost final : public TransferHost {
public:
    TerminalHost(TransferDirection direction, PromptPolicy policy);

    void DispatchOne() override {}
    bool CancelRequested() override;
    void Progress(int steps) override;
    void ShowStatus(const TransferStatus& status) override;
    void ShowMessage(const std::string& text) override;
    RetryAnswer AskRetry(const std::string& text) override;
    VersionAnswer AskVersion() override;

    // Ends the progress line.
    void Finish();
    // Progress steps so far: for a read, the blocks read.
    std::size_t ProgressPosition() const { return static_cast<std::size_t>(m_position); }
    // A prompt came up that no one was there to answer, and was answered No.
    bool PromptUnanswered() const { return m_promptUnanswered; }

private:
    [[nodiscard]] bool askYes(const QString& question);
    void showLine();

    const TransferDirection m_direction;
    PromptPolicy m_policy;
    int m_position = 0;
    QString m_shownPercent;
    QString m_status;
    bool m_lineShown = false;
    bool m_promptUnanswered = false;
};
