#include "cli_command.h"
#include "transfer_command.h"

#include "interrupt.h"
#include "print_error.h"
#include "terminal_host.h"

#include "document/core_text.h"
#include "link/cable_check.h"
#include "port/system_ports.h"
#include "port/trace_file.h"


#include <cstdio>
#include <optional>

#include <unistd.h>

namespace {

const CliOption kOptions[] = {
    {"--port", "PORT", true}, {"--retries", "N"}, {"--yes"}, {"--trace", "FILE"},
};

// The terminal's progress line for each of the two reads in turn: a read
// that begins again after blocks were read starts its own line at 0 %.
class CheckHost final : public TransferHost {
public:
    explicit CheckHost(PromptPolicy policy) : m_policy(std::move(policy)) { m_host.emplace(TransferDirection::Read, m_policy); }

    void DispatchOne() override {}
    bool CancelRequested() override { return m_host->CancelRequested(); }
    void Progress(int steps) override { m_host->Progress(steps); }
    void ShowStatus(const TransferStatus& status) override
    {
        if (status.stage == TransferStatus::Stage::WaitingForRadio && m_host->ProgressPosition() > 0) {
            m_unanswered = m_unanswered || m_host->PromptUnanswered();
            m_host->Finish();
            m_host.emplace(TransferDirection::Read, m_policy);
        }
        m_host->ShowStatus(status);
    }
    void ShowMessage(const std::string& text) override { m_host->ShowMessage(text); }
    RetryAnswer AskRetry(const std::string& text) override { return m_host->AskRetry(text); }
    VersionAnswer AskVersion() override { return m_host->AskVersion(); }

    void Finish() { m_host->Finish(); }
    bool PromptUnanswered() const { return m_unanswered || m_host->PromptUnanswered(); }

private:
    PromptPolicy m_policy;
    std::optional<TerminalHost> m_host;
    bool m_unanswered = false;
};

int exitStatus(const CableCheckReport& report, bool promptUnanswered)
{
    if (report.agrees())
        return kExitCompleted;
    return report.cancelled() && !promptUnanswered ? kExitCancelled : kExitFailed;
}

int runCheck(const CliArguments& args)
{
    TransferOptions options;
    QString error;
    if (!ParseTransferOptions(args, QStringLiteral("--output"), options, error)) {
        PrintError(error);
        return kExitUsage;
    }
    std::optional<TraceFile> trace;
    if (!options.tracePath.isEmpty() && !trace.emplace(options.tracePath).Check()) {
        PrintTraceFailure(trace->errorString());
        return kExitFailed;
    }
    InstallInterruptHandler();
    PromptPolicy policy{options.retries, options.yes, ::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO),
                        static_cast<bool>(::isatty(STDERR_FILENO)), options.port};
    CheckHost host(policy);
    // The simulated radio answers at the line's own rate, so that its speed is one a cable could have.
    SystemPorts ports(SystemPorts::SimulatedTime::Wall);
    CableCheck check(ports, host);
    check.TraceInto(trace ? &*trace : nullptr);
    const PortTarget target = TransferTarget(options.port);
    const CableCheckReport report = check.Run(target);
    host.Finish();
    if (report.first.reason == FailureReason::OpenFailed)
        PrintOpenFailure(options.port, target, [&](const std::string& port) { return check.OpenFailureText(port); });
    else if (!report.cancelled())
        std::printf("%s\n", CableCheckText(report, CoreTextUtf8).c_str());
    if (trace && !trace->Save())
        PrintTraceFailure(trace->errorString());
    return exitStatus(report, host.PromptUnanswered());
}

} // namespace

const CliCommand kCheckCommand = {
    .name = "check",
    .syntax = {.options = kOptions},
    .description = "      Checks the cable: reads the radio twice (nothing is written to it) and\n"
                   "      compares the two reads block by block. Prints whether they agree, each\n"
                   "      block that differs, the bytes of memory per second, and the echoes,\n"
                   "      garbage bytes and wake-up retries seen on the line. Exit status 0 when\n"
                   "      both reads completed and agree, 1 when they differ or a read failed.\n"
                   "      PORT, --retries, --yes and --trace as for read and write.",
    .run = runCheck,
};
