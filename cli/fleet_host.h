#pragma once

#include "cli/fleet_board.h"
#include "link/transfer_host.h"
#include "link/transfer_types.h"

#include <cstddef>
#include <string>

// The host of one transfer of a fleet run, on that port's own thread. It
// never asks: with many radios at once there is no one to answer a prompt,
// so a retry prompt is answered Retry while --retries lasts, then Cancel, and
// the version prompt Continue with --yes only. Ctrl+C never stops a transfer
// that has begun: the run ends after the transfers in progress.
class FleetHost final : public TransferHost {
public:
    FleetHost(FleetBoard& board, std::size_t index, TransferDirection direction, int& retriesLeft, bool yes);

    void DispatchOne() override {}
    bool CancelRequested() override;
    void Progress(int steps) override;
    void ShowStatus(const TransferStatus& status) override;
    void ShowMessage(const std::string& text) override;
    RetryAnswer AskRetry(const std::string& text) override;
    VersionAnswer AskVersion() override;

    // A read that only looks for a radio may stop on Ctrl+C: it changes nothing.
    void CancelOnInterrupt(bool cancel) { m_cancelOnInterrupt = cancel; }
    // The last message or prompt the transfer showed, as given.
    const std::string& LastMessage() const { return m_lastMessage; }
    // The version prompt came up and was answered Cancel.
    bool VersionRefused() const { return m_versionRefused; }

private:
    FleetBoard& m_board;
    const std::size_t m_index;
    const TransferDirection m_direction;
    int& m_retriesLeft;
    const bool m_yes;
    int m_position = 0;
    std::string m_lastMessage;
    bool m_versionRefused = false;
    bool m_cancelOnInterrupt = false;
};
