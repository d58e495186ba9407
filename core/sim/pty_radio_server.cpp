#include "pty_radio_server.h"

#include "link/timer_slack.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#if defined(__linux__)
#include <pty.h>
#else
#include <util.h>
#endif

namespace {

void closeFd(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

bool setNonBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

} // namespace

PtyRadioServer::~PtyRadioServer()
{
    closeFd(m_master);
    closeFd(m_slave);
    closeFd(m_stopPipe[0]);
    closeFd(m_stopPipe[1]);
}

void PtyRadioServer::fail(const char* what)
{
    m_error = std::string(what) + ": " + std::strerror(errno);
}

bool PtyRadioServer::Open()
{
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        fail("openpty");
        return false;
    }
    m_devicePath = name;
    // The server keeps the device side open too: its settings then survive
    // between programs, and the terminal never hangs up when one closes it.
    termios raw{};
    if (::tcgetattr(m_slave, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::cfsetispeed(&raw, B9600);
        ::cfsetospeed(&raw, B9600);
        ::tcsetattr(m_slave, TCSANOW, &raw);
    }
    if (!setNonBlocking(m_master) || ::pipe(m_stopPipe) != 0 || !setNonBlocking(m_stopPipe[0]) ||
        !setNonBlocking(m_stopPipe[1])) {
        fail("pseudo-terminal set-up");
        return false;
    }
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_stopPipe[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(m_stopPipe[1], F_SETFD, FD_CLOEXEC);
    return true;
}

namespace {

constexpr char kStopByte = 1;
constexpr char kReportByte = 2;

} // namespace

void PtyRadioServer::Stop()
{
    const char byte = kStopByte;
    const int saved = errno;
    [[maybe_unused]] const ssize_t n = ::write(m_stopPipe[1], &byte, 1);
    errno = saved;
}

void PtyRadioServer::RequestReport()
{
    const char byte = kReportByte;
    const int saved = errno;
    [[maybe_unused]] const ssize_t n = ::write(m_stopPipe[1], &byte, 1);
    errno = saved;
}

// Reports are answered on the way; a stop ends serving.
bool PtyRadioServer::stopRequested()
{
    char byte = 0;
    while (::read(m_stopPipe[0], &byte, 1) == 1) {
        if (byte == kStopByte)
            return true;
        m_report.lateness = m_line.TakeLateness();
        if (m_onReport)
            m_onReport(m_report);
        m_report = {};
    }
    return false;
}

SimTime PtyRadioServer::now() const
{
    return m_clock.Now();
}

bool PtyRadioServer::Serve()
{
    // Answers are timed to a fraction of a millisecond.
    const FineTimerSlack fineSlack;
    for (;;) {
        pollfd fds[2] = {{m_master, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
        const int ready = waitForWork(fds);
        if (ready < 0 && errno != EINTR) {
            fail("poll");
            return false;
        }
        if ((fds[1].revents & POLLIN) && stopRequested())
            return true;
        if ((fds[0].revents & POLLIN) && !receive())
            return false;
        if (!sendDue())
            return false;
    }
}

// The host's timer wakes the radio some tens of microseconds late, more on a
// busy machine. For the last byte of an answer, the one the program waits
// for, the radio wakes this much early and stays awake until it is due.
constexpr SimTime kWakeEarly = std::chrono::microseconds(200);

// Until the program sends something, the next answer byte is due, or Stop().
int PtyRadioServer::waitForWork(pollfd* fds) const
{
    const SimTime early = m_outgoing.size() == 1 ? kWakeEarly : SimTime{0};
    const SimTime left =
        m_outgoing.empty() ? SimTime{-1} : std::max(SimTime{0}, m_outgoing.front().due - early - now());
#if defined(__linux__)
    if (left < SimTime{0})
        return ::ppoll(fds, 2, nullptr, nullptr);
    const timespec timeout{static_cast<time_t>(left.count() / 1'000'000'000),
                           static_cast<long>(left.count() % 1'000'000'000)};
    return ::ppoll(fds, 2, &timeout, nullptr);
#else
    const int ms = left < SimTime{0} ? -1
                                     : static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
    return ::poll(fds, 2, ms);
#endif
}

bool PtyRadioServer::receive()
{
    std::uint8_t buffer[256];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n < 0) {
        if (errno == EAGAIN || errno == EINTR)
            return true;
        fail("read");
        return false;
    }
    const SimTime readAt = now();
    if (m_report.firstIn == std::chrono::steady_clock::time_point{})
        m_report.firstIn = std::chrono::steady_clock::now();
    for (ssize_t i = 0; i < n; ++i) {
        m_radio.Receive(buffer[i], m_line.Received(readAt));
        for (const RadioReply& reply : m_radio.TakeReplies())
            m_outgoing.push_back({reply.byte, m_line.Sent(reply.notBefore)});
    }
    return true;
}

bool PtyRadioServer::sendDue()
{
    const SimTime at = now();
    std::vector<std::uint8_t> due;
    SimTime lastDue{0};
    while (!m_outgoing.empty() && m_outgoing.front().due <= at) {
        due.push_back(m_outgoing.front().byte);
        lastDue = m_outgoing.front().due;
        m_outgoing.pop_front();
    }
    if (!due.empty() && m_outgoing.empty())
        m_line.ReplyEnded(lastDue, at);
    std::size_t sent = 0;
    while (sent < due.size()) {
        const ssize_t n = ::write(m_master, due.data() + sent, due.size() - sent);
        if (n < 0 && errno == EINTR)
            continue;
        // A full terminal buffer means nobody is reading: the bytes are lost,
        // as on a line with nobody listening.
        if (n < 0 && errno == EAGAIN)
            return true;
        if (n < 0) {
            fail("write");
            return false;
        }
        sent += static_cast<std::size_t>(n);
        m_report.lastOut = std::chrono::steady_clock::now();
    }
    return true;
}
