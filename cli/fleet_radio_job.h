#pragma once

#include "cli/fleet_board.h"
#include "cli/fleet_radio.h"
#include "cli/transfer_command.h"

#include "fleet/write_safety_sequence.h"

#include "port/system_ports.h"

#include <chrono>
#include <functional>
#include <optional>

// How one transfer of the radio ended, with the reason when it did not complete.
struct FleetStep {
    TransferResult result{TransferResult::Failed};
    bool completed = false;
    bool partlyWritten = false;
    QString reason = {};
};

// The transfers of one radio on one port: the read before (a backup, the
// radio's own data), the write, the read back, and its entry on the board.
// Nobody is asked: the fleet's file was checked once for all radios, and a
// write that stops part way is reported with its restore command at the end.
class RadioJob final : private WriteSafetyHost {
public:
    RadioJob(const FleetPlan& plan, FleetBoard& board, std::size_t index)
        : m_plan(plan), m_board(board), m_index(index), m_port(board.Radio(index).port),
          m_target(TransferTarget(m_port)), m_retriesLeft(plan.retries)
    {
    }

    // Programs the radio; alreadyRead: what it holds, read just now.
    void Run(const RadioImage* alreadyRead);
    // The radio was written (and verified when asked), with written.
    [[nodiscard]] bool Succeeded() const { return m_succeeded; }
    [[nodiscard]] const RadioImage& Written() const { return m_written; }
    // A read that Ctrl+C may stop, as it changes nothing: false when no
    // radio was read.
    [[nodiscard]] bool ReadWhatIsThere(RadioImage& radio)
    {
        return transfer("waiting", TransferDirection::Read, radio, BandLimits{}, true).completed;
    }

private:
    WriteStepResult Transfer(WriteStep step, TransferDirection direction, RadioImage& image) override;
    bool AcceptImpossibleValues(const RadioImage&, const std::vector<ImpossibleValue>&) override { return true; }
    bool KeepBackup(const RadioImage& radio) override;
    std::optional<RadioImage> LastKnownRadio(const RadioImage&) override { return std::nullopt; }
    FirstWriteAnswer AskFirstWrite() override { return FirstWriteAnswer::Cancel; }
    bool ConfirmWrite(const RadioImage&, const RadioImage&) override { return false; }
    std::optional<RadioImage> RadioHeld() override { return std::nullopt; }
    WriteGate BeforeWrite(bool radioDataKept) override;
    bool OfferRestore() override { return false; }

    void report(const WriteSafetyOutcome& outcome);
    void reportVerify(const WriteSafetyOutcome& outcome);
    FleetStep transfer(const char* step, TransferDirection direction, RadioImage& image, BandLimits band,
                  bool cancellable = false);
    void identified(RadioRange range);
    void end(FleetEnd how, const QString& reason = {});
    void endOtherModel();
    void update(const std::function<void(FleetRadio&)>& change) { m_board.Update(m_index, change); }

    const FleetPlan& m_plan;
    FleetBoard& m_board;
    const std::size_t m_index;
    const QString m_port;
    const PortTarget m_target;
    SystemPorts m_ports{SystemPorts::SimulatedTime::Virtual};
    int m_retriesLeft;
    std::optional<RadioRange> m_reported;
    RadioImage m_written;
    FleetStep m_last;
    QString m_backupFailure;
    bool m_succeeded = false;
    const std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};
