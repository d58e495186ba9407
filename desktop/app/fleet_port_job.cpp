#include "app/fleet_port_job.h"

#include "document/backup_folder.h"
#include "document/core_text.h"
#include "fleet/fleet_log.h"
#include "fleet/identifying_link.h"
#include "fleet/radio_data.h"
#include "form/write_verify.h"
#include "link/open_status.h"
#include "link/port_target.h"
#include "link/progress_text.h"
#include "link/transfer_session.h"
#include "port/device_access.h"
#include "port/fleet_log_file.h"
#include "port/system_ports.h"

#include <ctime>

namespace {

PortTarget targetOf(const QString& port)
{
    return {.simulated = false, .device = DevicePath(port).toStdString(), .name = port.toStdString()};
}

// The log's own words, as every host writes them.
const char* logResult(FleetJobEnd how)
{
    switch (how) {
    case FleetJobEnd::Written:
        return "written";
    case FleetJobEnd::Failed:
        return "failed";
    case FleetJobEnd::OtherModel:
        return "other model";
    case FleetJobEnd::Cancelled:
        break;
    }
    return "cancelled";
}

} // namespace

FleetPortJob::FleetPortJob(const FleetJobPlan& plan, QString port, QString cableSerial)
    : m_plan(plan), m_port(std::move(port)), m_cableSerial(std::move(cableSerial))
{
}

// Each transfer opens the port anew through a port object of this thread.
WriteStepResult FleetPortJob::Transfer(WriteStep step, TransferDirection direction, RadioImage& image)
{
    const bool writes = direction == TransferDirection::Write;
    const QString name = step == WriteStep::Verify ? tr("Verifying") : (writes ? tr("Writing") : tr("Reading"));
    emit StepStarted(name);
    emit Progressed(0);
    m_direction = direction;
    m_position = 0;
    m_status = {};
    m_lastMessage.clear();
    SystemPorts ports(SystemPorts::SimulatedTime::Wall);
    TransferSession session(ports, *this);
    session.WrapLink([this](SerialLink& inner) {
        return std::make_unique<IdentifyingLink>(inner, [this](RadioRange range) {
            m_reported = range;
            m_radioText = QString::fromStdString(RadioRangeText(range));
            emit Identified(m_radioText);
        });
    });
    const TransferResult result = session.Run(targetOf(m_port), direction, image, writes ? m_plan.band : BandLimits{});
    m_reason.clear();
    if (result.reason == FailureReason::OpenFailed)
        m_reason = CoreText(OpenFailedMessage()) + QStringLiteral(": ") +
                   QString::fromStdString(session.OpenFailureText(m_port.toStdString()));
    else if (result != TransferResult::Completed)
        m_reason = m_lastMessage.empty() ? tr("the transfer did not complete") : CoreText(m_lastMessage);
    if (result != TransferResult::Completed && m_status.stage == TransferStatus::Stage::Block)
        m_reason += tr(" (%1, block %2 of %3)").arg(name).arg(m_status.block).arg(m_status.blocks);
    return {result, session.LeftPartlyWritten()};
}

bool FleetPortJob::KeepBackup(const RadioImage& radio)
{
    if (!m_plan.backup)
        return true;
    const KeptBackup kept = ::KeepBackup(radio);
    if (!kept.ok()) {
        m_backupFailure = kept.failure;
        return false;
    }
    m_backup = kept.path;
    return true;
}

WriteGate FleetPortJob::BeforeWrite(bool radioDataKept)
{
    m_kept = radioDataKept;
    if (m_reported && !BandFitsRadio(*m_reported, m_plan.band))
        return WriteGate::OtherModel;
    return m_cancel ? WriteGate::Stop : WriteGate::Go;
}

void FleetPortJob::Run()
{
    m_start = std::chrono::steady_clock::now();
    const WriteSafetyOptions safety{.checkValues = false,
                                    .backUp = m_plan.backup,
                                    .keepRadioData = m_plan.keepRadioData,
                                    .verify = m_plan.verify};
    report(WriteSafely(*this, safety, m_plan.image));
}

void FleetPortJob::report(const WriteSafetyOutcome& outcome)
{
    using End = WriteSafetyOutcome::End;
    switch (outcome.end) {
    case End::Written:
        return outcome.verifyRead ? reportVerify(outcome) : end(FleetJobEnd::Written);
    case End::ReadFailed:
        return end(FleetJobEnd::Failed, tr("%1; nothing was written").arg(m_reason));
    case End::NoBackup:
        return end(FleetJobEnd::Failed, tr("%1; nothing was written").arg(m_backupFailure));
    case End::OtherModel:
        return end(FleetJobEnd::OtherModel, tr("the radio is of another model; nothing was written"));
    case End::Stopped:
        return end(FleetJobEnd::Cancelled, tr("cancelled before the write began; nothing was written"));
    case End::WriteFailed:
    case End::ValuesRefused:
    case End::PreviewDeclined:
        break;
    }
    end(FleetJobEnd::Failed, m_reason);
}

void FleetPortJob::reportVerify(const WriteSafetyOutcome& outcome)
{
    if (outcome.verifyRead->result != TransferResult::Completed)
        return end(FleetJobEnd::Failed, tr("written, but could not be read back: %1").arg(m_reason));
    m_verified = outcome.mismatches.empty();
    if (!m_verified)
        return end(FleetJobEnd::Failed, CoreText(kVerifyFailedAtBlocks)
                                            .arg(QString::fromStdString(MismatchedBlocksText(outcome.mismatches))));
    end(FleetJobEnd::Written);
}

// The row is in the log before the dialog shows the radio as done.
void FleetPortJob::end(FleetJobEnd how, const QString& reason)
{
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    QString result = how == FleetJobEnd::Written ? tr("Written") : reason;
    if (m_plan.logFile >= 0) {
        const std::string word = logResult(how);
        const FleetLogRow row{.time = LogTimeText(std::time(nullptr)),
                              .file = m_plan.file.toStdString(),
                              .fileSha256 = m_plan.fileSha256,
                              .port = m_port.toStdString(),
                              .cableSerial = m_cableSerial.toStdString(),
                              .radio = m_radioText.toStdString(),
                              .result = reason.isEmpty() ? word : word + ": " + reason.toStdString(),
                              .verified = m_plan.verify ? (m_verified ? "yes" : "no") : "",
                              .radioData = m_kept ? "kept" : "replaced",
                              .backup = m_backup.toStdString(),
                              .seconds = seconds};
        if (!AppendFleetLogLine(m_plan.logFile, FleetLogLine(row)))
            result += tr(" (its row could not be added to the log)");
    }
    if (how == FleetJobEnd::Written && m_plan.verify)
        result = tr("Written and verified");
    if (m_kept && how == FleetJobEnd::Written)
        result += CoreText(kRadioDataKept);
    emit Ended(how, result, seconds);
}

void FleetPortJob::Progress(int steps)
{
    m_position += steps;
    emit Progressed(m_position * 100 / ProgressRange(m_direction));
}

void FleetPortJob::ShowStatus(const TransferStatus& status)
{
    m_status = status;
}

// No one is there to answer: a reply a busy computer was late for is asked
// again a few times, then the trouble ends this radio and the others go on.
RetryAnswer FleetPortJob::AskRetry(const std::string& text)
{
    m_lastMessage = text;
    if (m_retriesLeft <= 0)
        return RetryAnswer::Cancel;
    --m_retriesLeft;
    return RetryAnswer::Retry;
}
