#pragma once

// hmprog-cli run from a benchmark: its processes started without a shell,
// and the simulated radio at line rate on its pseudo-terminal.

#include <string>
#include <vector>

#include <sys/types.h>

// Starts args[0] with args; its standard output to stdoutFd and its
// standard error to stderrFd where they are not negative. -1 on failure.
[[nodiscard]] pid_t Spawn(const std::vector<std::string>& args, int stdoutFd = -1, int stderrFd = -1);

// One line from fd, without its newline.
[[nodiscard]] std::string ReadLine(int fd);

// What the simulated radio reports of the line since it last did.
struct LineReport {
    double late = 0;    // seconds its answers went out late
    double firstIn = 0; // steady-clock seconds it read the first byte
    double lastOut = 0; // and wrote the last
};

// hmprog-cli sim --line-rate, from its start until Stop.
struct SimRadio {
    pid_t pid = -1;
    int output = -1;
    std::string device;

    [[nodiscard]] bool Start(const std::string& cli);
    [[nodiscard]] LineReport Report() const;
    void Stop();
};
