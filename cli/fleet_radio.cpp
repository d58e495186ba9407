#include "cli/fleet_radio.h"
#include "cli/fleet_radio_job.h"

#include "cli/fleet_host.h"
#include "port/fleet_log_file.h"
#include "cli/fleet_report.h"
#include "cli/interrupt.h"
#include "cli/transfer_command.h"

#include "document/backup_folder.h"
#include "fleet/identifying_link.h"
#include "form/write_verify.h"
#include "link/transfer_session.h"
#include "image/image_layout.h"
#include "image/radio_models.h"
#include "port/system_ports.h"

#include <chrono>
#include <optional>

namespace {

QString failureText(FailureReason reason, const FleetHost& host)
{
    if (host.VersionRefused())
        return QStringLiteral("the radio answered as one of another software version does; --yes goes on with it");
    switch (reason) {
    case FailureReason::NoAnswer:
        return QStringLiteral("the radio did not answer");
    case FailureReason::ShortReply:
        return QStringLiteral("a reply of the radio came short");
    case FailureReason::NoAck:
        return QStringLiteral("the radio did not acknowledge");
    case FailureReason::WriteRefused:
        return QStringLiteral("the port would not take the acknowledgement");
    case FailureReason::PortLost:
        return QStringLiteral("the port failed: was the cable pulled?");
    case FailureReason::None:
    case FailureReason::OpenFailed:
    case FailureReason::ModelMismatch:
        break;
    }
    return QString::fromStdString(host.LastMessage());
}

} // namespace

FleetStep RadioJob::transfer(const char* step, TransferDirection direction, RadioImage& image, BandLimits band,
                       bool cancellable)
{
    update([step](FleetRadio& radio) {
        radio.step = QLatin1String(step);
        radio.status = {};
        radio.percent = 0;
    });
    FleetHost host(m_board, m_index, direction, m_retriesLeft, m_plan.yes);
    host.CancelOnInterrupt(cancellable);
    TransferSession session(m_ports, host);
    session.WrapLink([this](SerialLink& inner) {
        return std::make_unique<IdentifyingLink>(inner, [this](RadioRange range) { identified(range); });
    });
    const TransferResult result = session.Run(m_target, direction, image, band);
    FleetStep outcome{result, result == TransferResult::Completed, session.LeftPartlyWritten(), {}};
    if (result.reason == FailureReason::OpenFailed)
        outcome.reason = QStringLiteral("could not open the port: %1")
                             .arg(QString::fromStdString(session.OpenFailureText(m_port.toStdString())));
    else if (!outcome.completed)
        outcome.reason = failureText(result.reason, host);
    const TransferStatus status = m_board.Radio(m_index).status;
    if (!outcome.completed && status.stage == TransferStatus::Stage::Block)
        outcome.reason +=
            QStringLiteral(" (%1 block %2 of %3)").arg(QLatin1String(step)).arg(status.block).arg(status.blocks);
    return outcome;
}

// Shown on the port's line from the moment the radio has told it.
void RadioJob::identified(RadioRange range)
{
    m_reported = range;
    const QString text = QString::fromStdString(RadioRangeText(range));
    update([text](FleetRadio& radio) { radio.radio = text; });
}

WriteStepResult RadioJob::Transfer(WriteStep step, TransferDirection direction, RadioImage& image)
{
    const bool writes = direction == TransferDirection::Write;
    const char* name = step == WriteStep::Verify ? "verifying" : (writes ? "writing" : "reading");
    m_last = transfer(name, direction, image, writes ? m_plan.band : BandLimits{});
    return {m_last.result, m_last.partlyWritten};
}

// The read before the write is kept when a backup was asked for.
bool RadioJob::KeepBackup(const RadioImage& radio)
{
    if (!m_plan.backup)
        return true;
    const KeptBackup kept = ::KeepBackup(radio);
    if (!kept.ok()) {
        m_backupFailure = kept.failure;
        return false;
    }
    update([&kept](FleetRadio& entry) { entry.backup = kept.path; });
    return true;
}

WriteGate RadioJob::BeforeWrite(bool radioDataKept)
{
    if (radioDataKept)
        update([](FleetRadio& entry) { entry.keptRadioData = true; });
    if (m_reported && !BandFitsRadio(*m_reported, m_plan.band))
        return WriteGate::OtherModel;
    return Interrupted() ? WriteGate::Stop : WriteGate::Go;
}

void RadioJob::Run(const RadioImage* alreadyRead)
{
    const WriteSafetyOptions safety{.checkValues = false,
                                    .backUp = m_plan.backup,
                                    .keepRadioData = m_plan.keepRadioData,
                                    .verify = m_plan.verify};
    const WriteSafetyOutcome outcome = WriteSafely(*this, safety, m_plan.image, alreadyRead);
    m_written = outcome.written;
    report(outcome);
}

void RadioJob::report(const WriteSafetyOutcome& outcome)
{
    using End = WriteSafetyOutcome::End;
    const QString nothingWritten = QStringLiteral("; nothing was written");
    update([partly = outcome.partlyWritten](FleetRadio& radio) { radio.partlyWritten = partly; });
    switch (outcome.end) {
    case End::Written:
        return outcome.verifyRead ? reportVerify(outcome) : end(FleetEnd::Written);
    case End::ReadFailed:
        return end(FleetEnd::Failed, m_last.reason + nothingWritten);
    case End::NoBackup:
        return end(FleetEnd::Failed, m_backupFailure + nothingWritten);
    case End::OtherModel:
        return endOtherModel();
    case End::Stopped:
        return end(FleetEnd::Cancelled, QStringLiteral("interrupted before the write began; nothing was written"));
    case End::WriteFailed:
    case End::ValuesRefused:
    case End::PreviewDeclined:
        break;
    }
    end(FleetEnd::Failed, m_last.reason);
}

void RadioJob::reportVerify(const WriteSafetyOutcome& outcome)
{
    if (outcome.verifyRead->result != TransferResult::Completed) {
        end(FleetEnd::Written, QStringLiteral("the radio could not be read back: %1").arg(m_last.reason));
        return;
    }
    const bool verified = outcome.mismatches.empty();
    update([verified](FleetRadio& radio) { radio.verified = verified; });
    end(FleetEnd::Written, verified ? QString()
                                    : QString::fromUtf8(kVerifyFailedAtBlocks)
                                          .arg(QString::fromStdString(MismatchedBlocksText(outcome.mismatches))));
}

void RadioJob::endOtherModel()
{
    const RadioModel* model = ModelByByte(m_plan.image.byte(layout::kModel));
    end(FleetEnd::OtherModel, QStringLiteral("%1 is for the %2 (%3); nothing was written")
                                  .arg(m_plan.file, QString::fromUtf8(model->modelText.data(), model->modelText.size()),
                                       QString::fromUtf8(model->bandText.data(), model->bandText.size())));
}

void RadioJob::end(FleetEnd how, const QString& reason)
{
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    FleetRadio radio = m_board.Radio(m_index);
    radio.end = how;
    radio.reason = reason;
    radio.seconds = seconds;
    radio.verifyAsked = m_plan.verify && how == FleetEnd::Written;
    m_succeeded = FleetRadioDone(radio);
    // The row is in the log before the run shows the radio as done.
    radio.logFailed =
        m_plan.logFile >= 0 && !AppendFleetLogLine(m_plan.logFile, FleetLogLine(FleetLogRowFor(m_plan, radio)));
    update([&radio](FleetRadio& entry) { entry = radio; });
}

void ProgramFleetRadio(const FleetPlan& plan, FleetBoard& board, std::size_t index)
{
    RadioJob(plan, board, index).Run(nullptr);
    board.Update(index, [](FleetRadio& radio) { radio.finished = true; });
}
