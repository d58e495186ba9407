#include "cli_command.h"
#include "interrupt.h"
#include "print_error.h"

#include "document/channel_file.h"
#include "sim/demo_image.h"
#include "sim/pty_radio_server.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>

namespace {

std::atomic<PtyRadioServer*> g_server{nullptr};

void stopServer()
{
    if (PtyRadioServer* server = g_server.load())
        server->Stop();
}

extern "C" void onReportSignal(int)
{
    if (PtyRadioServer* server = g_server.load())
        server->RequestReport();
}

double steadySeconds(std::chrono::steady_clock::time_point at)
{
    return std::chrono::duration<double>(at.time_since_epoch()).count();
}

// SIGUSR1 asks how late the answers have gone out and when the line was
// busy: a benchmark takes the radio's own lateness out of the program's time
// and splits the rest at the first and the last byte.
void reportLatenessOnSignal(PtyRadioServer& server)
{
    server.ReportTo([](const PtyRadioServer::Report& report) {
        const auto late = std::chrono::duration_cast<std::chrono::microseconds>(report.lateness);
        std::printf("late %lld us, first byte in at %.6f s, last byte out at %.6f s\n",
                    static_cast<long long>(late.count()), steadySeconds(report.firstIn),
                    steadySeconds(report.lastOut));
        std::fflush(stdout);
    });
    struct sigaction action = {};
    action.sa_handler = onReportSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGUSR1, &action, nullptr);
}

QString faultList()
{
    QStringList names;
    for (std::string_view name : RadioFaultNames())
        names << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    return names.join(QStringLiteral(", "));
}

[[nodiscard]] bool parseRadio(const CliArguments& parsed, RadioImage& memory, RadioOptions& radio, QString& error)
{
    if (parsed.has(QStringLiteral("--range"))) {
        const auto range = ParseRadioRange(parsed.value(QStringLiteral("--range")).toStdString());
        if (!range) {
            error = QStringLiteral("--range takes 136-174, 136-480 or 400-520");
            return false;
        }
        radio.range = *range;
    }
    if (parsed.has(QStringLiteral("--fault"))) {
        const auto fault = ParseRadioFault(parsed.value(QStringLiteral("--fault")).toStdString());
        if (!fault) {
            error = QStringLiteral("--fault takes one of: %1").arg(faultList());
            return false;
        }
        radio.fault = *fault;
    }
    int block = static_cast<int>(radio.faultBlock);
    if (parsed.has(QStringLiteral("--fault-block")) &&
        (!parsed.count(QStringLiteral("--fault-block"), block).isEmpty() ||
         block >= static_cast<int>(RadioImage::kBlockCount))) {
        error = QStringLiteral("--fault-block takes a block number from 0 to 127");
        return false;
    }
    radio.faultBlock = static_cast<std::size_t>(block);
    memory = DemoRadioImage();
    if (parsed.has(QStringLiteral("--image"))) {
        const FileStatus loaded = LoadChannelFile(parsed.value(QStringLiteral("--image")), memory);
        if (!loaded.ok()) {
            error = QStringLiteral("%1 %2").arg(loaded.text(), loaded.detail());
            return false;
        }
    }
    return true;
}

const CliOption kOptions[] = {
    {"--image", "FILE.sin", false, CliFile::Read},
    {"--range", "136-174|136-480|400-520"},
    {"--fault", "NAME"},
    {"--fault-block", "K"},
    {"--line-rate"},
    {"--save", "FILE.sin", false, CliFile::Written},
};

int runSim(const CliArguments& parsed)
{
    RadioImage memory;
    RadioOptions options;
    QString error;
    if (!parseRadio(parsed, memory, options, error)) {
        PrintError(error);
        return error.startsWith(QLatin1String("--")) ? kExitUsage : kExitFailed;
    }

    SimulatedRadio radio(memory, options);
    PtyRadioServer server(radio, parsed.has(QStringLiteral("--line-rate")));
    if (!server.Open()) {
        PrintError(QString::fromStdString(server.error()));
        return kExitFailed;
    }
    g_server.store(&server);
    InstallInterruptHandler(stopServer);
    reportLatenessOnSignal(server);
    std::printf("%s\n", server.devicePath().c_str());
    std::fflush(stdout);
    const bool served = server.Serve();
    g_server.store(nullptr);
    if (!served)
        PrintError(QString::fromStdString(server.error()));

    if (parsed.has(QStringLiteral("--save"))) {
        const FileStatus saved = SaveChannelFile(parsed.value(QStringLiteral("--save")), radio.memory());
        if (!saved.ok()) {
            PrintError(QStringLiteral("%1 %2").arg(saved.text(), saved.detail()));
            return kExitFailed;
        }
    }
    return served ? kExitCompleted : kExitFailed;
}

} // namespace

const CliCommand kSimCommand = {
    .name = "sim",
    .syntax = {.options = kOptions, .updatedInPlace = "--image"},
    .description = "      Starts a simulated radio on a pseudo-terminal, prints the device path to\n"
                   "      open on the first line of standard output and answers until interrupted.\n"
                   "      Its memory is FILE.sin, or a few demonstration channels; it reports the\n"
                   "      given range (136-174 by default). --fault makes it misbehave: silent,\n"
                   "      ack-wakeup, noise-then-syn, short-id, nak-id, or at block K (40 by\n"
                   "      default) short-block, no-block-ack, syn-block-ack, nak-write,\n"
                   "      silent-write, store-wrong (acknowledges the block, stores it wrong),\n"
                   "      flaky-read (every second read of the block has one bit wrong);\n"
                   "      syn-write acknowledges every block with SYN.\n"
                   "      --line-rate sends and receives each byte no faster than 9600 baud;\n"
                   "      then SIGUSR1 prints how late its answers' last bytes have gone out in\n"
                   "      all since the last such line, and when it read the first byte and wrote\n"
                   "      the last on the steady clock: \"late N us, first byte in at S s, last\n"
                   "      byte out at S s\".\n"
                   "      --save writes the radio's memory to FILE.sin when it stops.",
    .run = runSim,
};
