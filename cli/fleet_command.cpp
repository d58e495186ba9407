#include "cli_command.h"

#include "channel_io.h"
#include "fleet_board.h"
#include "fleet_cable_watch.h"
#include "port/fleet_cables.h"
#include "port/fleet_log_file.h"
#include "fleet_radio.h"
#include "fleet_report.h"
#include "fleet_screen.h"
#include "interrupt.h"
#include "interrupt_pipe.h"
#include "print_error.h"
#include "standard_output.h"
#include "write_safety.h"

#include "document/display_path.h"
#include "fleet/sha256.h"
#include "port/device_access.h"

#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <memory>

#include <unistd.h>

namespace {

const CliOption kOptions[] = {
    {"--input", "FILE.sin", true, CliFile::Read},
    {"--port", "PORT", false, CliFile::None, true},
    {"--all-cables"},
    {"--verify"},
    {"--backup"},
    {"--keep-radio-data"},
    {"--watch"},
    {"--log", "FLEET.csv", false, CliFile::Written},
    {"--retries", "N"},
    {"--yes"},
};

// The device a port names, so that two names of one device are known.
QString deviceOf(const QString& port)
{
    const QFileInfo device(DevicePath(port));
    return device.exists() ? device.canonicalFilePath() : device.absoluteFilePath();
}

// The ports as given, then every cable with --all-cables; a device named
// twice is a mistake, as two transfers cannot share a port.
[[nodiscard]] QString portsOf(const CliArguments& args, QStringList& ports)
{
    ports = args.values(QStringLiteral("--port"));
    if (args.has(QStringLiteral("--all-cables"))) {
        for (const QString& cable : AllCablePorts()) {
            if (!ports.contains(cable))
                ports << cable;
        }
    }
    QStringList devices;
    for (const QString& port : ports) {
        const QString same = deviceOf(port);
        if (devices.contains(same))
            return QStringLiteral("%1 names a device given already").arg(DisplayPath(port));
        devices << same;
    }
    return {};
}

// The file and the options; the exit status when the run cannot start.
int readPlan(const CliArguments& args, FleetPlan& plan)
{
    plan.file = args.value(QStringLiteral("--input"));
    if (args.has(QStringLiteral("--retries"))) {
        if (const QString error = args.count(QStringLiteral("--retries"), plan.retries); !error.isEmpty()) {
            PrintError(error);
            return kExitUsage;
        }
    }
    plan.verify = args.has(QStringLiteral("--verify"));
    plan.backup = args.has(QStringLiteral("--backup"));
    plan.keepRadioData = args.has(QStringLiteral("--keep-radio-data"));
    plan.yes = args.has(QStringLiteral("--yes"));
    const FileStatus loaded = ReadChannel(plan.file, plan.image);
    if (!loaded.ok()) {
        PrintFileError(loaded);
        return kExitFailed;
    }
    if (!BandOfFile(ChannelName(plan.file, true), plan.image, plan.band))
        return kExitFailed;
    if (!MayWriteValues(ChannelName(plan.file, true), plan.image, plan.yes))
        return kExitFailed;
    plan.fileSha256 = Sha256Hex(plan.image.bytes());
    return kExitCompleted;
}

bool onBoard(const FleetBoard& board, const QString& cable)
{
    const QString device = deviceOf(cable);
    const std::vector<FleetRadio> radios = board.Radios();
    return std::any_of(radios.begin(), radios.end(),
                       [&device](const FleetRadio& radio) { return deviceOf(radio.port) == device; });
}

// Shows the ports until every one has ended; while cables are watched for,
// until Ctrl+C as well, however few ports there are.
void showUntilEnded(FleetBoard& board, bool watchingCables)
{
    FleetScreen screen(::isatty(STDERR_FILENO) != 0);
    std::vector<FleetRadio> radios;
    do {
        radios = board.WaitForChange();
        screen.Show(radios, board.Done());
    } while (!AllEnded(radios) || (watchingCables && !Interrupted()));
}

// One thread per port, each running its radio's transfers one after another,
// and with --watch --all-cables one more that adds a port for each cable
// plugged in; this thread shows them until every radio has ended.
std::vector<FleetRadio> programAll(const FleetPlan& plan, const QStringList& ports, bool watch, bool allCables)
{
    const QStringList serials = CableSerialNumbers(ports);
    std::vector<FleetRadio> entries;
    for (qsizetype i = 0; i < ports.size(); ++i)
        entries.push_back({.port = ports[i], .cableSerial = serials[i]});
    FleetBoard board(std::move(entries));
    std::vector<std::unique_ptr<QThread>> threads;
    const auto start = [&plan, &board, &threads, watch](std::size_t index) {
        threads.emplace_back(QThread::create([&plan, &board, index, watch] {
            if (watch)
                WatchFleetPort(plan, board, index);
            else
                ProgramFleetRadio(plan, board, index);
        }));
        threads.back()->start();
    };
    for (qsizetype i = 0; i < ports.size(); ++i)
        start(static_cast<std::size_t>(i));
    std::unique_ptr<FleetCableWatch> cables;
    if (watch && allCables) {
        cables = std::make_unique<FleetCableWatch>(
            [&board, &start](const QString& cable) {
                if (!onBoard(board, cable))
                    start(board.Add({.port = cable, .cableSerial = CableSerialNumbers({cable}).front()}));
            },
            [&board] { board.Wake(); });
        cables->start();
    }
    showUntilEnded(board, cables != nullptr);
    // No port is added after this.
    cables.reset();
    for (const std::unique_ptr<QThread>& thread : threads)
        thread->wait();
    // A port --watch left waiting for its next radio has none to report.
    std::vector<FleetRadio> ended = board.Done();
    for (const FleetRadio& radio : board.Radios()) {
        if (radio.end != FleetEnd::Pending)
            ended.push_back(radio);
    }
    return ended;
}

int exitStatus(const std::vector<FleetRadio>& radios)
{
    bool cancelled = false;
    bool failed = false;
    for (const FleetRadio& radio : radios) {
        cancelled = cancelled || radio.end == FleetEnd::Cancelled;
        failed = failed || !FleetRadioDone(radio);
    }
    if (cancelled)
        return kExitCancelled;
    return failed ? kExitFailed : kExitCompleted;
}

QString radiosText(qsizetype ports)
{
    if (ports == 0)
        return QStringLiteral("each radio on a cable plugged in");
    return ports == 1 ? QStringLiteral("1 radio") : QStringLiteral("%1 radios").arg(ports);
}

int runFleet(const CliArguments& args)
{
    QStringList ports;
    if (const QString mistake = portsOf(args, ports); !mistake.isEmpty()) {
        PrintError(mistake);
        return kExitUsage;
    }
    const bool watch = args.has(QStringLiteral("--watch"));
    const bool allCables = args.has(QStringLiteral("--all-cables"));
    // At the bench the first cable may come later.
    if (ports.isEmpty() && !(watch && allCables)) {
        PrintError(args.has(QStringLiteral("--all-cables")) ? QStringLiteral("no USB cable found")
                                                             : QStringLiteral("give --port PORT or --all-cables"));
        return args.has(QStringLiteral("--all-cables")) ? kExitFailed : kExitUsage;
    }
    FleetPlan plan;
    if (const int status = readPlan(args, plan); status != kExitCompleted)
        return status;
    if (args.has(QStringLiteral("--log"))) {
        QString error;
        plan.logFile = OpenFleetLog(args.value(QStringLiteral("--log")), error);
        if (plan.logFile < 0) {
            PrintError(error);
            return kExitFailed;
        }
    }
    // From the announcement on, Ctrl+C ends the run the way it always does.
    InstallInterruptHandler(InterruptPipe::Wake);
    static_cast<void>(PrintToStandardOutput(
        QStringLiteral("Writing %1 (SHA-256 %2) into %3, %4.\n")
            .arg(DisplayPath(ChannelName(plan.file, true)), QString::fromStdString(plan.fileSha256))
            .arg(radiosText(ports.size()))
            .arg(plan.keepRadioData ? QStringLiteral("its channels and settings onto each radio's own memory")
                                    : QStringLiteral("the whole file as it is"))
            .toLocal8Bit()
            .toStdString()));
    static_cast<void>(FlushStandardOutput());
    const std::vector<FleetRadio> radios = programAll(plan, ports, watch, allCables);
    if (plan.logFile >= 0)
        ::close(plan.logFile);
    PrintFleetTable(radios);
    PrintFleetFailures(radios);
    return exitStatus(radios);
}

} // namespace

const CliCommand kFleetCommand = {
    .name = "fleet",
    .syntax = {.options = kOptions},
    .description =
        "      Writes FILE.sin into every radio on the given ports at the same time, one\n"
        "      transfer per port, and ends with a table: port, cable (the USB adapter's\n"
        "      serial number), the radio's identification, result, verify, backup and\n"
        "      seconds. A radio that does not take the file's model is never written;\n"
        "      the others go on. Exit status 0 only when every radio was written (and\n"
        "      verified with --verify), 1 otherwise, with each failed port's reason and,\n"
        "      where a backup was kept, the command that writes it back; 3 when Ctrl+C\n"
        "      kept a radio from being written.\n"
        "      --port PORT   a port with a radio; give it once for each radio\n"
        "      --all-cables  every USB serial adapter that ports lists as a possible\n"
        "                    cable; with --watch also each one plugged in later\n"
        "      --verify      read each radio back after its write and compare\n"
        "      --backup      read each radio first and keep what it holds as a backup\n"
        "      --keep-radio-data\n"
        "                    read each radio first and write the file's channels and\n"
        "                    settings onto its own memory: what the form does not show\n"
        "                    (the kill codes and the rest) stays the radio's\n"
        "      --watch       keep going: program each radio that answers on a port, one\n"
        "                    after another, with \"done \u2014 next radio\" after each, until\n"
        "                    Ctrl+C. A radio is known by what it holds: the one just\n"
        "                    written is never written twice\n"
        "      --log FLEET.csv\n"
        "                    append one row per radio: time, file and its SHA-256, port,\n"
        "                    cable, radio, result, verified, radio data, backup, seconds\n"
        "      --retries N, --yes  as for write; no prompt is asked, so without them a\n"
        "                    radio that needs one has failed\n"
        "      Each port's line shows its step, block and percent. Ctrl+C ends the run\n"
        "      after the transfers in progress: no transfer is cut short, no write starts.",
    .run = runFleet,
    .outputFailed = kExitFailed,
};
