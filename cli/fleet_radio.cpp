#include "cli/fleet_radio.h"
#include "cli/fleet_radio_job.h"

#include "cli/fleet_host.h"
#include "port/fleet_log_file.h"
#include "cli/fleet_report.h"
#include "cli/interrupt.h"
#include "cli/transfer_command.h"

#include "document/backup_folder.h"
#include "fleet/identifying_link.h"
#include "fleet/radio_data.h"
#include "form/write_verify.h"
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
    FleetStep outcome{result == TransferResult::Completed, result.reason == FailureReason::ModelMismatch,
                 session.LeftPartlyWritten(), {}};
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

// The read before the write: kept as a backup, and with --keep-radio-data
// the memory the file's form is written onto.
bool RadioJob::readFirst(RadioImage& toWrite, const RadioImage* alreadyRead)
{
    RadioImage radio;
    const FleetStep read = alreadyRead ? FleetStep{.completed = true}
                                  : transfer("reading", TransferDirection::Read, radio, BandLimits{});
    if (alreadyRead)
        radio = *alreadyRead;
    if (!read.completed) {
        end(FleetEnd::Failed, read.reason + QStringLiteral("; nothing was written"));
        return false;
    }
    if (m_plan.backup) {
        const KeptBackup kept = KeepBackup(radio);
        if (!kept.ok()) {
            end(FleetEnd::Failed, kept.failure + QStringLiteral("; nothing was written"));
            return false;
        }
        update([&kept](FleetRadio& entry) { entry.backup = kept.path; });
    }
    if (m_plan.keepRadioData) {
        toWrite = FileFormOntoRadio(m_plan.image, radio);
        update([](FleetRadio& entry) { entry.keptRadioData = true; });
    }
    return true;
}

void RadioJob::verify(const RadioImage& written)
{
    RadioImage readBack;
    const FleetStep read = transfer("verifying", TransferDirection::Read, readBack, BandLimits{});
    if (!read.completed) {
        end(FleetEnd::Written, QStringLiteral("the radio could not be read back: %1").arg(read.reason));
        return;
    }
    const std::vector<BlockMismatch> mismatches = VerifyWrittenBlocks(written, readBack);
    QString blocks;
    for (const BlockMismatch& mismatch : mismatches)
        blocks += QStringLiteral(" 0x%1").arg(QString::number(mismatch.address, 16).toUpper().rightJustified(3, u'0'));
    update([ok = mismatches.empty()](FleetRadio& radio) { radio.verified = ok; });
    end(FleetEnd::Written, mismatches.empty() ? QString() : QString::fromUtf8(kVerifyFailedAtBlocks).arg(blocks));
}

void RadioJob::Run(const RadioImage* alreadyRead)
{
    m_written = m_plan.image;
    RadioImage& toWrite = m_written;
    if ((alreadyRead || m_plan.backup || m_plan.keepRadioData) && !readFirst(toWrite, alreadyRead))
        return;
    if (m_reported && !BandFitsRadio(*m_reported, m_plan.band))
        return endOtherModel();
    if (Interrupted())
        return end(FleetEnd::Cancelled, QStringLiteral("interrupted before the write began; nothing was written"));
    const FleetStep write = transfer("writing", TransferDirection::Write, toWrite, m_plan.band);
    update([&write](FleetRadio& radio) { radio.partlyWritten = write.partlyWritten; });
    if (write.otherModel)
        return endOtherModel();
    if (!write.completed)
        return end(FleetEnd::Failed, write.reason);
    if (m_plan.verify)
        return verify(toWrite);
    end(FleetEnd::Written);
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
