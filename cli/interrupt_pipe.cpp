#include "cli/interrupt_pipe.h"

#include <atomic>

#if !defined(_WIN32)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

std::atomic<int> g_writeEnd{-1};

} // namespace

InterruptPipe::InterruptPipe()
{
#if !defined(_WIN32)
    if (::pipe2(m_fds, O_CLOEXEC) != 0) {
        m_fds[0] = m_fds[1] = -1;
        return;
    }
    g_writeEnd.store(m_fds[1]);
#endif
}

InterruptPipe::~InterruptPipe()
{
#if !defined(_WIN32)
    if (m_fds[0] < 0)
        return;
    g_writeEnd.store(-1);
    ::close(m_fds[0]);
    ::close(m_fds[1]);
#endif
}

void InterruptPipe::Wake()
{
#if !defined(_WIN32)
    const int fd = g_writeEnd.load();
    const char byte = 0;
    if (fd >= 0)
        static_cast<void>(::write(fd, &byte, 1));
#endif
}
