// Times hmprog-cli read and write against the simulated radio on a
// pseudo-terminal with line-rate emulation, each from the start of the
// hmprog-cli process to its exit, and compares them with what the line and
// the protocol's own pauses allow.
//
//   transfer [RUNS] [PATH-TO-hmprog-cli]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// 10 bits a byte at 9600 baud.
constexpr double kByteSeconds = 10.0 / 9600.0;
// Wake-up, its answer, the mode byte, STX, the identification and the two ACKs.
constexpr int kOpeningBytes = 20;
// Read: 4 request bytes, 12 reply bytes and the two ACKs. Write: 12 frame bytes
// and the answer.
constexpr int kReadBlockBytes = 18;
constexpr int kWriteBlockBytes = 13;
// Polls and pauses before the blocks; a write also pauses 1 ms per block.
constexpr double kOpeningPauses = 0.023;
constexpr double kWriteBlockPause = 0.001;

constexpr double kReadLimit = (kOpeningBytes + 128 * kReadBlockBytes) * kByteSeconds + kOpeningPauses;
constexpr double kWriteLimit =
    (kOpeningBytes + 122 * kWriteBlockBytes) * kByteSeconds + kOpeningPauses + 122 * kWriteBlockPause;

using Clock = std::chrono::steady_clock;

pid_t spawn(const std::vector<std::string>& args, int stdoutFd)
{
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Seconds from the start of the process to its exit; negative on failure.
double timed(const std::vector<std::string>& args)
{
    const Clock::time_point start = Clock::now();
    const pid_t pid = spawn(args, -1);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid)
        return -1;
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

std::string readLine(int fd)
{
    std::string line;
    char c = 0;
    while (read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

void report(const char* name, std::vector<double> times, double limit)
{
    std::sort(times.begin(), times.end());
    const double best = times.front();
    const double median = times[times.size() / 2];
    std::printf("%-5s best %.3f s (%.3f x), median %.3f s (%.3f x), limit %.3f s\n", name, best, best / limit,
                median, median / limit, limit);
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const std::string cli = argc > 2 ? argv[2] : HMPROG_CLI_PATH;

    char dirTemplate[] = "/tmp/hmprog-bench-XXXXXX";
    if (!mkdtemp(dirTemplate)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string dir = dirTemplate;
    const std::string image = dir + "/read.sin";

    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        std::perror("pipe");
        return 1;
    }
    const pid_t sim = spawn({cli, "sim", "--line-rate"}, pipeFds[1]);
    close(pipeFds[1]);
    const std::string device = sim > 0 ? readLine(pipeFds[0]) : std::string();
    if (device.empty()) {
        std::fprintf(stderr, "transfer: the simulated radio did not start\n");
        return 1;
    }

    std::vector<double> reads;
    std::vector<double> writes;
    bool ok = true;
    for (int i = 0; i < runs && ok; ++i) {
        const double r = timed({cli, "read", "--port", device, "--output", image});
        const double w = timed({cli, "write", "--port", device, "--input", image});
        ok = r > 0 && w > 0;
        if (ok) {
            std::printf("run %d: read %.3f s (%.3f x), write %.3f s (%.3f x)\n", i + 1, r, r / kReadLimit, w,
                        w / kWriteLimit);
            reads.push_back(r);
            writes.push_back(w);
        }
    }
    kill(sim, SIGINT);
    waitpid(sim, nullptr, 0);
    unlink(image.c_str());
    rmdir(dir.c_str());
    if (!ok) {
        std::fprintf(stderr, "transfer: a transfer failed\n");
        return 1;
    }
    report("read", reads, kReadLimit);
    report("write", writes, kWriteLimit);
    return 0;
}
