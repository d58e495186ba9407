#pragma once

#include "fleet/write_safety_sequence.h"
#include "image/radio_image.h"
#include "link/identification.h"
#include "link/transfer_host.h"
#include "link/transfer_types.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <optional>
#include <string>

// What the desktop writes into every radio of a run, and how.
struct FleetJobPlan {
    QString file;            // the document's file, as the log names it
    RadioImage image;        // stored from the form as Write stores it
    BandLimits band;         // that of the form's model
    std::string fileSha256;
    bool verify = false;
    bool backup = false;
    bool keepRadioData = false;
    int logFile = -1;        // the log opened for appending, -1 without one
};

// How the radio on one port ended.
enum class FleetJobEnd { Written, Failed, OtherModel, Cancelled };

// The radio on one port, programmed on the job's own thread with its own
// port: the read before (a backup, the radio's own data), the write, the read
// back, the log row. It never asks: a retry prompt is answered Retry a few
// times for the radio, then Cancel; the version prompt Cancel. Cancel keeps a write from beginning; a transfer in
// progress always finishes its blocks, so a write is never cut in the middle.
class FleetPortJob final : public QObject, private TransferHost, private WriteSafetyHost {
    Q_OBJECT
public:
    FleetPortJob(const FleetJobPlan& plan, QString port, QString cableSerial);

    // Thread-safe: asked from the dialog while Run goes on.
    void Cancel() { m_cancel = true; }
    void Run();

signals:
    void StepStarted(const QString& step);
    void Progressed(int percent);
    void Identified(const QString& radio);
    void Ended(FleetJobEnd how, const QString& result, double seconds);

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
    void end(FleetJobEnd how, const QString& reason = {});

    void DispatchOne() override {}
    bool CancelRequested() override { return false; }
    void Progress(int steps) override;
    void ShowStatus(const TransferStatus& status) override;
    void ShowMessage(const std::string& text) override { m_lastMessage = text; }
    RetryAnswer AskRetry(const std::string& text) override;
    VersionAnswer AskVersion() override { return VersionAnswer::Cancel; }

    const FleetJobPlan& m_plan;
    const QString m_port;
    const QString m_cableSerial;
    std::atomic<bool> m_cancel = false;
    TransferDirection m_direction = TransferDirection::Read;
    int m_position = 0;
    int m_retriesLeft = 3;
    TransferStatus m_status;
    std::string m_lastMessage;
    // Why the last transfer did not complete.
    QString m_reason;
    QString m_backupFailure;
    std::optional<RadioRange> m_reported;
    QString m_radioText;
    QString m_backup;
    bool m_kept = false;
    bool m_verified = false;
    std::chrono::steady_clock::time_point m_start;
};
