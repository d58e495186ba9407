// Times hmprog-cli fleet writing one file into N = 1, 2, 4, 8 simulated
// radios at line rate (sim --line-rate, each on its own pseudo-terminal),
// from the start of the fleet's process to its exit, beside one hmprog-cli
// write into one of them: the transfers run side by side, so the whole fleet
// should take little more than one. The fleet's processor time (user and
// system, from wait4) is shown per radio as a share of one core over the
// run's wall time. Best of RUNS each.
//
//   fleet [RUNS] [PATH-TO-hmprog-cli]

#include "line_floor.h"
#include "sim_process.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double seconds = -1;  // wall time from the process's start to its exit; negative on failure
    double cpu = 0;       // its user and system time
};

double cpuSeconds(const rusage& usage)
{
    const auto of = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return of(usage.ru_utime) + of(usage.ru_stime);
}

// What the program says goes to /dev/null: only its time counts.
Run timed(const std::vector<std::string>& args)
{
    const int quiet = open("/dev/null", O_WRONLY | O_CLOEXEC);
    const Clock::time_point start = Clock::now();
    const pid_t pid = Spawn(args, quiet, quiet);
    int status = 0;
    rusage usage{};
    const bool ended = pid > 0 && wait4(pid, &status, 0, &usage) == pid;
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    close(quiet);
    if (!ended || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return {seconds, cpuSeconds(usage)};
}

// The fastest of runs. On a busy machine a reply can come too late and its
// radio fail: that run is left out, and said so.
Run best(int runs, const std::vector<std::string>& args)
{
    Run fastest;
    for (int i = 0; i < runs; ++i) {
        const Run run = timed(args);
        if (run.seconds < 0)
            std::fprintf(stderr, "fleet: %s failed in run %d, left out\n", args[1].c_str(), i + 1);
        else if (fastest.seconds < 0 || run.seconds < fastest.seconds)
            fastest = run;
    }
    return fastest;
}

std::vector<std::string> fleetArgs(const std::string& cli, const std::string& image,
                                   const std::vector<SimRadio>& radios, std::size_t count)
{
    std::vector<std::string> args = {cli, "fleet", "--input", image};
    for (std::size_t i = 0; i < count; ++i) {
        args.push_back("--port");
        args.push_back(radios[i].device);
    }
    return args;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const std::string cli = argc > 2 ? argv[2] : HMPROG_CLI_PATH;
    const std::size_t counts[] = {1, 2, 4, 8};

    std::vector<SimRadio> radios(8);
    char imageTemplate[] = "/tmp/hmprog-bench-fleet-XXXXXX.sin";
    const int imageFd = mkstemps(imageTemplate, 4);
    bool started = imageFd >= 0;
    for (SimRadio& radio : radios)
        started = started && radio.Start(cli);
    const std::string image = imageTemplate;
    if (imageFd >= 0)
        close(imageFd);
    const bool read = started && best(runs, {cli, "read", "--port", radios[0].device, "--output", image}).seconds > 0;
    const Run one = read ? best(runs, {cli, "write", "--port", radios[0].device, "--input", image}) : Run{};
    if (one.seconds < 0) {
        std::fprintf(stderr, "fleet: the simulated radios or the first transfer failed\n");
        return 1;
    }
    std::printf("one write: best of %d %.3f s (%.4f x the floor of %.3f s), processor %.1f %% of a core\n", runs,
                one.seconds, one.seconds / line_floor::kWrite, line_floor::kWrite, 100 * one.cpu / one.seconds);
    int status = 0;
    for (const std::size_t n : counts) {
        const Run fleet = best(runs, fleetArgs(cli, image, radios, n));
        if (fleet.seconds < 0) {
            std::fprintf(stderr, "fleet: the fleet of %zu failed\n", n);
            status = 1;
            break;
        }
        std::printf("fleet of %zu: best of %d %.3f s = %.4f x one write; processor per radio %.2f %% of a core\n", n,
                    runs, fleet.seconds, fleet.seconds / one.seconds,
                    100 * fleet.cpu / static_cast<double>(n) / fleet.seconds);
    }
    for (SimRadio& radio : radios)
        radio.Stop();
    unlink(image.c_str());
    return status;
}
