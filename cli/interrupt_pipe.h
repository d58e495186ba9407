#pragma once

// Ctrl+C brought into a Qt event loop: a signal handler may do no more than
// write to a pipe, whose other end a QSocketNotifier watches. One pipe at a
// time; InstallInterruptHandler(InterruptPipe::Wake) writes to it.
class InterruptPipe {
public:
    InterruptPipe();
    ~InterruptPipe();
    InterruptPipe(const InterruptPipe&) = delete;
    InterruptPipe& operator=(const InterruptPipe&) = delete;

    // Readable once an interrupt came; -1 when no pipe could be made.
    [[nodiscard]] int ReadEnd() const { return m_fds[0]; }

    // Async-signal-safe: wakes whoever watches the pipe, if there is one.
    static void Wake();

private:
    int m_fds[2] = {-1, -1};
};
