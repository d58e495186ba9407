#include "transfer_command.h"

#include "cli_command.h"
#include "interrupt.h"
#include "print_error.h"
#include "terminal_host.h"

#include "document/display_path.h"
#include "image/image_layout.h"
#include "link/partial_write.h"
#include "link/protocol_bytes.h"
#include "link/transfer_session.h"
#include "port/device_access.h"
#include "port/port_report_text.h"
#include "port/system_ports.h"
#include "port/trace_file.h"

#include <QFileInfo>

#include <cstdio>
#include <optional>

#include <unistd.h>

namespace {

// 3 only for what the user did: Ctrl+C, or No at a prompt. A prompt that no
// one was there to answer ends the transfer as a failure.
int exitStatus(TransferResult result, bool promptUnanswered)
{
    switch (result.end) {
    case TransferResult::Completed:
        return kExitCompleted;
    case TransferResult::Failed:
        return kExitFailed;
    case TransferResult::Refused:
        return promptUnanswered ? kExitFailed : kExitCancelled;
    case TransferResult::Cancelled:
        break;
    }
    return kExitCancelled;
}

QString interruptedText(const TransferOptions& options, TransferDirection direction, std::size_t blocksRead,
                        std::size_t blocksWritten)
{
    if (direction == TransferDirection::Write)
        return QStringLiteral("Interrupted after %1 of %2 blocks had been written.")
            .arg(blocksWritten)
            .arg(protocol::kWrittenBlockCount);
    if (options.checksWrite)
        return QStringLiteral("The write completed; its check was interrupted after %1 of %2 blocks had been read "
                              "back.")
            .arg(blocksRead)
            .arg(RadioImage::kBlockCount);
    return QStringLiteral("Interrupted after %1 of %2 blocks had been read; no file was written.")
        .arg(blocksRead)
        .arg(RadioImage::kBlockCount);
}

// Where an interrupted transfer had got to, and for a write that had put any
// block into the radio, what that leaves in it.
void reportEnd(const TransferOptions& options, TransferDirection direction, TransferResult result,
               std::size_t blocksRead, std::size_t blocksWritten, bool partlyWritten)
{
    if (result == TransferResult::Cancelled)
        PrintError(interruptedText(options, direction, blocksRead, blocksWritten));
    if (partlyWritten)
        PrintError(QString::fromUtf8(PartlyWrittenWarning()));
}

QString wherePortWasLooked(const QString& port)
{
    const QString here = QFileInfo(port).absoluteFilePath();
    if (port.contains(u'/'))
        return DisplayPath(port);
    return QStringLiteral("%1 (looked for %2 and %3)")
        .arg(DisplayPath(port), DisplayPath(here), DisplayPath(DevicePath(port)));
}

// What keeps the device from working, indented under the error, as
// hmprog-cli ports would tell it.
void printCableDiagnosis(const QString& device)
{
    const QString diagnosis = OpenFailureDiagnosis(PortSystem(), device);
    if (diagnosis.isEmpty())
        return;
    for (const QString& line : diagnosis.split(u'\n'))
        std::fprintf(stderr, "  %s\n", line.toLocal8Bit().constData());
}

} // namespace

PortTarget TransferTarget(const QString& port)
{
    PortTarget target;
    target.simulated = port == QLatin1String(kSimulatedPortName);
    target.name = port.toStdString();
    target.device = (target.simulated ? port : DevicePath(port)).toStdString();
    return target;
}

bool BandOfFile(const QString& name, const RadioImage& image, BandLimits& band)
{
    const std::uint8_t model = image.byte(layout::kModel);
    if (BandForModelByte(model, band))
        return true;
    PrintError(QStringLiteral("%1: model byte 0x%2 names no model (0x37: 136-174MHz, 0x38: 400-520MHz)")
                   .arg(DisplayPath(name))
                   .arg(model, 2, 16, QLatin1Char('0')));
    return false;
}

void PrintTraceFailure(const QString& reason)
{
    PrintError(QStringLiteral("cannot write the trace: %1").arg(reason));
}

void PrintOpenFailure(const QString& portOption, const PortTarget& target,
                      const std::function<std::string(const std::string&)>& failureText)
{
    const QString device = QString::fromStdString(target.device);
    const QString port = QFileInfo::exists(device) ? DisplayPath(device) : wherePortWasLooked(portOption);
    PrintError(QString::fromUtf8(OpenFailedMessage()));
    PrintError(QString::fromStdString(failureText(port.toStdString())));
    printCableDiagnosis(device);
}

bool ParseTransferOptions(const CliArguments& args, const QString& fileOption, TransferOptions& options,
                          QString& error)
{
    if (args.has(QStringLiteral("--retries"))) {
        error = args.count(QStringLiteral("--retries"), options.retries);
        if (!error.isEmpty())
            return false;
    }
    options.port = args.value(QStringLiteral("--port"));
    options.file = args.value(fileOption);
    options.tracePath = args.value(QStringLiteral("--trace"));
    options.yes = args.has(QStringLiteral("--yes"));
    return true;
}

// The simulated radio answers on a virtual clock: a transfer with it takes
// no real time.
int RunTransfer(const TransferOptions& options, TransferDirection direction, RadioImage& image, BandLimits band)
{
    SystemPorts ports(SystemPorts::SimulatedTime::Virtual);
    return RunTransferOn(ports, options, direction, image, band).status;
}

TransferOutcome RunTransferOn(SystemPorts& ports, const TransferOptions& options, TransferDirection direction,
                              RadioImage& image, BandLimits band)
{
    std::optional<TraceFile> trace;
    if (!options.tracePath.isEmpty()) {
        trace.emplace(options.tracePath);
        if (!trace->Check()) {
            PrintTraceFailure(trace->errorString());
            return {kExitFailed, false};
        }
    }

    const PortTarget target = TransferTarget(options.port);
    InstallInterruptHandler();
    PromptPolicy policy;
    policy.automaticRetries = options.retries;
    policy.continueOnVersion = options.yes;
    policy.interactive = ::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO);
    policy.showProgress = ::isatty(STDERR_FILENO);
    policy.port = options.port;
    TerminalHost host(direction, policy);
    TransferSession session(ports, host);
    session.TraceInto(trace ? &*trace : nullptr);
    const TransferResult result = session.Run(target, direction, image, band);
    host.Finish();

    if (result.reason == FailureReason::OpenFailed) {
        PrintOpenFailure(options.port, target, [&](const std::string& port) { return session.OpenFailureText(port); });
    } else {
        reportEnd(options, direction, result, host.ProgressPosition(), session.BlocksWritten(),
                  session.LeftPartlyWritten());
    }
    if (trace && !trace->Save())
        PrintError(QStringLiteral("cannot write the trace %1: %2")
                       .arg(DisplayPath(options.tracePath), trace->errorString()));
    return {exitStatus(result, host.PromptUnanswered()), session.LeftPartlyWritten(), result};
}
