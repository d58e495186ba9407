// Times the desktop form's read and write against the simulated radio on a
// pseudo-terminal with line-rate emulation, beside hmprog-cli's against the
// same radio, so that the two hosts of the one transfer engine can be
// compared. What the radio itself adds by answering late is taken out of
// each time, as bench/transfer does. The desktop is timed from OK to the end of the transfer, in
// process on the offscreen platform; hmprog-cli from the start of its process
// to its exit, as bench/transfer does.
//
//   desktop_transfer [RUNS]

#include "document/program_doc.h"
#include "editor/program_view.h"
#include "editor/progress_dialog.h"
#include "link/transfer_types.h"

#include "line_floor.h"
#include "trace_split.h"

#include "port/trace_file.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>
#include <vector>

#include <csignal>

namespace {

// The best of the runs: on a shared machine the others only add what other
// programs took.
double best(const std::vector<double>& times)
{
    return *std::min_element(times.begin(), times.end());
}

// Seconds of one transfer of the form, or a negative number when it did not
// complete (no message box is shown: the form has no prompts here).
double desktopTransfer(CProgramView& view, TransferDirection direction)
{
    bool completed = false;
    const QMetaObject::Connection watch =
        QObject::connect(&view, &CProgramView::TransferRunningChanged, [&view, &completed](bool running) {
            if (!running)
                completed = !view.ProgressDialog()->IsWindowCreated();
        });
    if (direction == TransferDirection::Read)
        view.OnProgramRead();
    else
        view.OnProgramWrite();
    // A person presses OK on a dialog already shown and painted: its first
    // layout and paint belong before the click, not in the transfer.
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    view.OnStartTransfer();
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    QObject::disconnect(watch);
    return completed ? seconds : -1;
}

// Seconds the radio's answers went out late since it was last asked.
double radioLate(QProcess& sim)
{
    ::kill(static_cast<pid_t>(sim.processId()), SIGUSR1);
    while (!sim.canReadLine() && sim.waitForReadyRead(10000)) {
    }
    long long us = 0;
    return std::sscanf(sim.readLine().constData(), "late %lld us", &us) == 1 ? static_cast<double>(us) / 1e6 : 0;
}

// A transfer's seconds without the radio's lateness; negative on failure.
template <typename Transfer>
double withoutRadioLateness(QProcess& sim, Transfer transfer)
{
    static_cast<void>(radioLate(sim));
    const double seconds = transfer();
    return seconds < 0 ? seconds : seconds - radioLate(sim);
}

double cliTransfer(const QString& cli, const QStringList& args)
{
    QElapsedTimer timer;
    timer.start();
    const int status = QProcess::execute(cli, args);
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    return status == 0 ? seconds : -1;
}

void report(const char* name, const std::vector<double>& desktop, const std::vector<double>& cli, double limit)
{
    const double d = best(desktop);
    const double c = best(cli);
    std::printf("%-5s without the radio's lateness: desktop best %.3f s (%.4f x), hmprog-cli best %.3f s (%.4f x), "
                "desktop/cli %.4f\n",
                name,
                d, d / limit, c, c / limit, d / c);
}

// The program's turnarounds between the blocks in a trace file: from each
// reply received to its next bytes sent, where a paint or a timer in the
// progress path would show.
void reportTurnarounds(const char* name, const QString& path)
{
    QFile file(path);
    std::vector<double> turns =
        file.open(QIODevice::ReadOnly) ? BlockTurnarounds(file.readAll().toStdString()) : std::vector<double>();
    QFile::remove(path);
    if (turns.empty()) {
        std::fprintf(stderr, "desktop_transfer: the traced transfer of %s failed\n", name);
        return;
    }
    std::sort(turns.begin(), turns.end());
    std::printf("%s: %zu turnarounds, median %.0f us, worst %.0f us, %.1f ms in all\n", name, turns.size(),
                turns[turns.size() / 2] * 1e6, turns.back() * 1e6,
                std::accumulate(turns.begin(), turns.end(), 0.0) * 1e3);
}

// One traced transfer each way by each host.
void traceBoth(CProgramView& view, const QString& cli, const QString& device, const QString& image)
{
    const QString trace = QDir::temp().filePath(QStringLiteral("hmprog-bench-desktop.trace"));
    for (const TransferDirection direction : {TransferDirection::Read, TransferDirection::Write}) {
        const bool read = direction == TransferDirection::Read;
        view.SetTrace(std::make_unique<TraceFile>(trace));
        static_cast<void>(desktopTransfer(view, direction));
        view.SetTrace(nullptr);
        reportTurnarounds(read ? "desktop read " : "desktop write", trace);
        static_cast<void>(cliTransfer(cli, {read ? "read" : "write", "--port", device, read ? "--output" : "--input",
                                            image, "--trace", trace}));
        reportTurnarounds(read ? "hmprog-cli read " : "hmprog-cli write", trace);
    }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const QString cli = QStringLiteral(HMPROG_CLI_PATH);

    QProcess sim;
    sim.start(cli, {QStringLiteral("sim"), QStringLiteral("--line-rate")});
    if (!sim.waitForReadyRead(10000)) {
        std::fprintf(stderr, "desktop_transfer: the simulated radio did not start\n");
        return 1;
    }
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
    const QString image = QDir::temp().filePath(QStringLiteral("hmprog-bench-desktop.sin"));

    CProgramDoc doc;
    CProgramView view(&doc);
    view.OnInitialUpdate();
    view.show();
    view.OnPortOther(device);

    std::vector<double> desktopReads, desktopWrites, cliReads, cliWrites;
    for (int i = 0; i < runs; ++i) {
        const double dr = withoutRadioLateness(sim, [&] { return desktopTransfer(view, TransferDirection::Read); });
        const double dw = withoutRadioLateness(sim, [&] { return desktopTransfer(view, TransferDirection::Write); });
        const double cr =
            withoutRadioLateness(sim, [&] { return cliTransfer(cli, {"read", "--port", device, "--output", image}); });
        const double cw =
            withoutRadioLateness(sim, [&] { return cliTransfer(cli, {"write", "--port", device, "--input", image}); });
        // On a busy machine a reply can come too late: that run is left out.
        if (dr < 0 || dw < 0 || cr < 0 || cw < 0) {
            std::fprintf(stderr, "desktop_transfer: a transfer failed in run %d, left out\n", i + 1);
            continue;
        }
        std::printf("run %d: desktop read %.3f s, write %.3f s; hmprog-cli read %.3f s, write %.3f s\n", i + 1, dr,
                    dw, cr, cw);
        desktopReads.push_back(dr);
        desktopWrites.push_back(dw);
        cliReads.push_back(cr);
        cliWrites.push_back(cw);
    }
    traceBoth(view, cli, device, image);
    sim.terminate();
    sim.waitForFinished(10000);
    QFile::remove(image);
    if (desktopReads.empty()) {
        std::fprintf(stderr, "desktop_transfer: no run completed\n");
        return 1;
    }
    report("read", desktopReads, cliReads, line_floor::kRead);
    report("write", desktopWrites, cliWrites, line_floor::kWrite);
    return 0;
}
