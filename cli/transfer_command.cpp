#include "transfer_command.h"

#include "cli_command.h"
#include "cli_options.h"
#include "interrupt.h"
#include "terminal_host.h"

#include "link/qt_serial_link.h"
#include "link/tracing_link.h"
#include "link/transfer_protocol.h"
#include "sim/demo_image.h"
#include "sim/sim_link.h"

#include <cstdio>
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

int exitStatus(TransferResult result)
{
    switch (result) {
    case TransferResult::Completed:
        return kExitCompleted;
    case TransferResult::Failed:
        return kExitFailed;
    case TransferResult::Cancelled:
    case TransferResult::Refused:
        break;
    }
    return kExitCancelled;
}

} // namespace

void PrintError(const QString& text)
{
    std::fprintf(stderr, "hmprog-cli: %s\n", qPrintable(text));
}

bool ParseTransferOptions(const QStringList& args, const QString& fileOption, TransferOptions& options,
                          QString& error)
{
    const CliOptions parsed(args, {QStringLiteral("--port"), fileOption, QStringLiteral("--retries"),
                                   QStringLiteral("--trace")},
                            {QStringLiteral("--yes")});
    if (!parsed.ok()) {
        error = parsed.error();
        return false;
    }
    if (!parsed.has(QStringLiteral("--port")) || parsed.value(QStringLiteral("--port")).isEmpty()) {
        error = QStringLiteral("--port PORT is required");
        return false;
    }
    if (!parsed.has(fileOption) || parsed.value(fileOption).isEmpty()) {
        error = QStringLiteral("%1 FILE.sin is required").arg(fileOption);
        return false;
    }
    if (parsed.has(QStringLiteral("--retries")) && !parsed.count(QStringLiteral("--retries"), options.retries)) {
        error = QStringLiteral("--retries needs a count of 0 or more");
        return false;
    }
    options.port = parsed.value(QStringLiteral("--port"));
    options.file = parsed.value(fileOption);
    options.tracePath = parsed.value(QStringLiteral("--trace"));
    options.yes = parsed.has(QStringLiteral("--yes"));
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
            PrintError(QStringLiteral("cannot write the trace %1: %2").arg(options.tracePath, trace->errorString()));
            return kExitFailed;
        }
        link = &*trace;
    }
    const auto finishTrace = [&trace, &options] {
        if (trace && !trace->Finish())
            PrintError(QStringLiteral("cannot write the trace %1: %2").arg(options.tracePath, trace->errorString()));
    };

    const OpenStatus opened = link->Open(options.port);
    if (!opened.ok()) {
        PrintError(OpenFailedMessage());
        PrintError(QStringLiteral("%1: %2. %3").arg(options.port, opened.systemText(),
                                                   OpenFailureAdvice(opened.failure())));
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
    finishTrace();
    return exitStatus(result);
}
