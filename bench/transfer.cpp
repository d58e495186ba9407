// Times hmprog-cli read and write against the simulated radio on a
// pseudo-terminal with an exact line (sim --line-rate), each from the start
// of the hmprog-cli process to its exit, and compares them with what the line
// and the protocol's own pauses allow (line_floor.h). The radio's own
// lateness, its timer waking after a reply was due, is reported beside each
// time and taken out of the program's share. Then one traced read shows where
// the time beyond the line goes.
//
//   transfer [RUNS] [PATH-TO-hmprog-cli]

#include "line_floor.h"
#include "sim_process.h"
#include "trace_split.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point at)
{
    return std::chrono::duration<double>(at.time_since_epoch()).count();
}

// Steady-clock seconds at the process's start and at its exit; false on failure.
bool timed(const std::vector<std::string>& args, double& start, double& end)
{
    start = seconds(Clock::now());
    const pid_t pid = Spawn(args);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid)
        return false;
    end = seconds(Clock::now());
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct Run {
    double seconds = 0;
    double late = 0;
};

// One transfer: its time and the radio's lateness in it; a negative time on failure.
Run transfer(const SimRadio& radio, const std::vector<std::string>& args)
{
    static_cast<void>(radio.Report());
    double start = 0;
    double end = 0;
    if (!timed(args, start, end))
        return {-1, 0};
    return {end - start, radio.Report().late};
}

void report(const char* name, const std::vector<Run>& runs, double floor)
{
    const auto best = std::min_element(runs.begin(), runs.end(),
                                       [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
    const double program = best->seconds - best->late;
    std::printf("%-5s best of %zu: %.3f s = %.4f x the floor of %.3f s; the radio late %.1f ms, "
                "the program %.4f x\n",
                name, runs.size(), best->seconds, best->seconds / floor, floor, best->late * 1e3,
                program / floor);
}

std::string fileText(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The program's start is from its process's start to the first byte on the
// line, its end from the last byte on the line to its exit; in between the
// trace shows how fast it answers each reply.
void reportSplit(const std::string& cli, const SimRadio& radio, const std::string& image, const std::string& trace)
{
    static_cast<void>(radio.Report());
    double start = 0;
    double end = 0;
    const bool read = timed({cli, "read", "--port", radio.device, "--output", image, "--trace", trace}, start, end);
    const LineReport line = radio.Report();
    std::vector<double> turns = BlockTurnarounds(fileText(trace));
    if (!read || turns.empty()) {
        std::fprintf(stderr, "transfer: the traced read failed\n");
        return;
    }
    std::sort(turns.begin(), turns.end());
    double sum = 0;
    for (double t : turns)
        sum += t;
    std::printf("traced read %.3f s: start %.1f ms (9 ms of it the protocol's pauses), %zu turnarounds median "
                "%.0f us, worst %.0f us, %.1f ms in all; end %.1f ms\n",
                end - start, (line.firstIn - start) * 1e3, turns.size(), turns[turns.size() / 2] * 1e6,
                turns.back() * 1e6, sum * 1e3, (end - line.lastOut) * 1e3);
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::string cli = argc > 2 ? argv[2] : HMPROG_CLI_PATH;

    char dirTemplate[] = "/tmp/hmprog-bench-XXXXXX";
    SimRadio radio;
    if (!mkdtemp(dirTemplate) || !radio.Start(cli)) {
        std::fprintf(stderr, "transfer: the simulated radio did not start\n");
        return 1;
    }
    const std::string dir = dirTemplate;
    const std::string image = dir + "/read.sin";
    const std::string trace = dir + "/read.trace";

    std::vector<Run> reads;
    std::vector<Run> writes;
    for (int i = 0; i < runs; ++i) {
        const Run r = transfer(radio, {cli, "read", "--port", radio.device, "--output", image});
        const Run w = r.seconds < 0 ? Run{-1, 0} : transfer(radio, {cli, "write", "--port", radio.device, "--input", image});
        if (w.seconds < 0)
            break;
        std::printf("run %d: read %.3f s (%.4f x, radio late %.1f ms), write %.3f s (%.4f x, radio late %.1f ms)\n",
                    i + 1, r.seconds, r.seconds / line_floor::kRead, r.late * 1e3, w.seconds,
                    w.seconds / line_floor::kWrite, w.late * 1e3);
        reads.push_back(r);
        writes.push_back(w);
    }
    if (static_cast<int>(reads.size()) == runs)
        reportSplit(cli, radio, image, trace);
    radio.Stop();
    unlink(image.c_str());
    unlink(trace.c_str());
    rmdir(dir.c_str());
    if (static_cast<int>(reads.size()) < runs) {
        std::fprintf(stderr, "transfer: a transfer failed\n");
        return 1;
    }
    report("read", reads, line_floor::kRead);
    report("write", writes, line_floor::kWrite);
    return 0;
}
