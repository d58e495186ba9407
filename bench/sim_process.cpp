#include "sim_process.h"

#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

pid_t Spawn(const std::vector<std::string>& args, int stdoutFd, int stderrFd)
{
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    if (stderrFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, stderrFd, STDERR_FILENO);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

std::string ReadLine(int fd)
{
    std::string line;
    char c = 0;
    while (read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

bool SimRadio::Start(const std::string& cli)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    pid = Spawn({cli, "sim", "--line-rate"}, pipeFds[1]);
    close(pipeFds[1]);
    output = pipeFds[0];
    device = pid > 0 ? ReadLine(output) : std::string();
    return !device.empty();
}

LineReport SimRadio::Report() const
{
    kill(pid, SIGUSR1);
    long long us = 0;
    LineReport r;
    if (std::sscanf(ReadLine(output).c_str(), "late %lld us, first byte in at %lf s, last byte out at %lf s", &us,
                    &r.firstIn, &r.lastOut) == 3)
        r.late = static_cast<double>(us) / 1e6;
    return r;
}

void SimRadio::Stop()
{
    if (pid <= 0)
        return;
    kill(pid, SIGINT);
    waitpid(pid, nullptr, 0);
    close(output);
    pid = -1;
}
