#include "transfer_command.h"

#include "cli_command.h"
#include "interrupt.h"
#include "print_error.h"
#include "terminal_host.h"

#include "document/display_path.h"
#include "link/partial_write.h"
#include "link/protocol_bytes.h"
#include "link/qt_serial_link.h"
#include "link/tracing_link.h"
#include "link/transfer_protocol.h"
#include "sim/demo_image.h"
#include "sim/sim_link.h"

#include <QFileInfo>

#include <memory>
#include <optional>

#include <unistd.h>

namespace {

// The real port, or the simulated radio with its demonstration memory,
// answering as slowly as a real one would.
class PortSession {
public:
    explicit PortSession(const QString& port)
    {
        if (port == QLatin1String("sim")) {
            m_radio = std::make_unique<SimulatedRadio>(DemoRadioImage());
            m_link = std::make_unique<SimLink>(*m_radio, m_clock);
        } else {
            m_link = std::make_unique<QtSerialLink>();
        }
    }

    SerialLink& link() { return *m_link; }

private:
    SteadyClock m_clock;
    std::unique_ptr<SimulatedRadio> m_radio;
    std::unique_ptr<SerialLink> m_link;
};

// 3 only for what the user did: Ctrl+C, or No at a prompt. A prompt that no
// one was there to answer ends the transfer as a failure.
int exitStatus(TransferResult result, bool promptUnanswered)
{
    switch (result) {
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

// Where an interrupted transfer had got to, and for a write that had put any
// block into the radio, what that leaves in it.
void reportEnd(TransferDirection direction, TransferResult result, std::size_t blocksRead, std::size_t blocksWritten)
{
    const bool read = direction == TransferDirection::Read;
    if (result == TransferResult::Cancelled) {
        PrintError(read ? QStringLiteral("Interrupted after %1 of %2 blocks had been read; no file was written.")
                              .arg(blocksRead)
                              .arg(RadioImage::kBlockCount)
                        : QStringLiteral("Interrupted after %1 of %2 blocks had been written.")
                              .arg(blocksWritten)
                              .arg(protocol::kWrittenBlockCount));
    }
    if (!read && result != TransferResult::Completed && blocksWritten > 0)
        PrintError(PartlyWrittenWarning());
}

// A port that exists as given, relative or absolute, is opened as given; a
// bare name is looked up under /dev, as the serial port library does.
QString portDevice(const QString& port)
{
    const QFileInfo given(port);
    return given.exists() ? given.absoluteFilePath() : port;
}

QString wherePortWasLooked(const QString& port)
{
    const QString here = QFileInfo(port).absoluteFilePath();
    if (port.startsWith(QLatin1Char('/')) || port.startsWith(QLatin1String("./")) ||
        port.startsWith(QLatin1String("../")))
        return DisplayPath(port);
    return QStringLiteral("%1 (looked for %2 and %3)")
        .arg(DisplayPath(port), DisplayPath(here), DisplayPath(QStringLiteral("/dev/") + port));
}

} // namespace

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

int RunTransfer(const TransferOptions& options, TransferDirection direction, RadioImage& image, BandLimits band)
{
    PortSession session(options.port);
    SerialLink* link = &session.link();
    std::optional<TracingLink> trace;
    if (!options.tracePath.isEmpty()) {
        trace.emplace(*link, options.tracePath);
        if (!trace->Start()) {
            PrintError(QStringLiteral("cannot write the trace: %1").arg(trace->errorString()));
            return kExitFailed;
        }
        link = &*trace;
    }
    const auto finishTrace = [&trace, &options] {
        if (trace && !trace->Finish())
            PrintError(QStringLiteral("cannot write the trace %1: %2")
                           .arg(DisplayPath(options.tracePath), trace->errorString()));
    };

    const QString device = options.port == QLatin1String("sim") ? options.port : portDevice(options.port);
    const OpenStatus opened = link->Open(device);
    if (!opened.ok()) {
        const QString port = device == options.port ? wherePortWasLooked(options.port) : DisplayPath(device);
        PrintError(OpenFailedMessage());
        PrintError(QStringLiteral("%1: %2. %3").arg(port, opened.systemText(), OpenFailureAdvice(opened.failure())));
        finishTrace();
        return kExitFailed;
    }
    link->Configure();

    InstallInterruptHandler();
    PromptPolicy policy;
    policy.automaticRetries = options.retries;
    policy.continueOnVersion = options.yes;
    policy.interactive = ::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO);
    policy.showProgress = ::isatty(STDERR_FILENO);
    policy.port = options.port;
    TerminalHost host(direction, policy);
    TransferProtocol protocol(*link, host);
    const TransferResult result = protocol.Run(direction, image, band);
    host.Finish();
    reportEnd(direction, result, host.ProgressPosition(), protocol.BlocksWritten());
    finishTrace();
    return exitStatus(result, host.PromptUnanswered());
}
