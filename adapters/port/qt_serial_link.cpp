#include "qt_serial_link.h"

#include "link/read_timeouts.h"
#include "port/device_access.h"

#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <thread>

#if defined(Q_OS_UNIX)
#include <termios.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

int millisecondsUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

} // namespace

QtSerialLink::~QtSerialLink()
{
    Close();
}

OpenStatus QtSerialLink::Open(const std::string& name)
{
    Close();
    const QString port = QString::fromStdString(name);
    m_port.setPortName(port);
    // QSerialPort takes the port exclusively: a lock file and, on Unix, TIOCEXCL.
    if (m_port.open(QIODevice::ReadWrite)) {
        m_fineSlack.emplace();
        m_answeredAt.reset();
        return OpenStatus::Opened();
    }
    const OpenFailure failure = classifyOpenError(port);
    return OpenStatus::Failed(failure, m_port.errorString().toStdString(),
                              failure == OpenFailure::PermissionDenied ? DeviceAccessGroup(port) : std::string());
}

OpenFailure QtSerialLink::classifyOpenError(const QString& name) const
{
    switch (m_port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return OpenFailure::MissingDevice;
    case QSerialPort::PermissionError:
        break;
    default:
        return OpenFailure::Other;
    }
#if defined(Q_OS_UNIX)
    // QSerialPort reports a port locked by another program as a permission
    // error too; a device the user may open is busy, not forbidden.
    const QFileInfo info(DevicePath(name));
    return info.isReadable() && info.isWritable() ? OpenFailure::Busy : OpenFailure::PermissionDenied;
#else
    // Windows answers "access denied" for a port that another program holds.
    Q_UNUSED(name);
    return OpenFailure::Busy;
#endif
}

void QtSerialLink::Configure()
{
    // Flow control and the modem lines stay as the driver has them.
    static_cast<void>(m_port.setBaudRate(QSerialPort::Baud9600));
    static_cast<void>(m_port.setDataBits(QSerialPort::Data8));
    static_cast<void>(m_port.setParity(QSerialPort::NoParity));
    static_cast<void>(m_port.setStopBits(QSerialPort::OneStop));
}

void QtSerialLink::PurgeAll()
{
    if (m_port.isOpen())
        static_cast<void>(m_port.clear(QSerialPort::AllDirections));
}

void QtSerialLink::Clear()
{
    if (!m_port.isOpen())
        return;
    // Throwing away output here would lose the request just written before the
    // line has sent it. Input is stale once the output has left: no answer to
    // it can have begun before then.
    drainOutput();
    static_cast<void>(m_port.clear(QSerialPort::Input));
}

void QtSerialLink::drainOutput()
{
#if defined(Q_OS_UNIX)
    static_cast<void>(::tcdrain(static_cast<int>(m_port.handle())));
#elif defined(Q_OS_WIN)
    static_cast<void>(::FlushFileBuffers(m_port.handle()));
#endif
}

WriteResult QtSerialLink::Write(std::span<const std::uint8_t> bytes)
{
    if (!m_port.isOpen())
        return {};
    const qint64 queued = m_port.write(reinterpret_cast<const char*>(bytes.data()),
                                       static_cast<qint64>(bytes.size()));
    if (queued < 0)
        return {};
    // QSerialPort hands bytes to the driver only while it waits.
    const Clock::time_point deadline = Clock::now() + read_timeouts::WriteTotal(bytes.size());
    while (m_port.bytesToWrite() > 0) {
        const int wait = millisecondsUntil(deadline);
        if (wait == 0 || !m_port.waitForBytesWritten(wait))
            break;
    }
    const qint64 pending = m_port.bytesToWrite();
    if (pending > 0)
        static_cast<void>(m_port.clear(QSerialPort::Output));
    return {pending == 0 && queued == static_cast<qint64>(bytes.size()),
            static_cast<std::size_t>(queued - pending)};
}

ReadResult QtSerialLink::Read(std::size_t n)
{
    ReadResult result;
    if (!m_port.isOpen())
        return result;
    result.ok = true;
    read_timeouts::ReadDeadline<Clock::time_point> deadline(Clock::now(), n);
    while (result.bytes.size() < n) {
        const QByteArray chunk = m_port.read(static_cast<qint64>(n - result.bytes.size()));
        if (!chunk.isEmpty()) {
            result.bytes.insert(result.bytes.end(), chunk.begin(), chunk.end());
            m_answeredAt = Clock::now();
            deadline.ByteArrived(*m_answeredAt);
            continue;
        }
        const int wait = millisecondsUntil(deadline.At());
        if (wait == 0)
            break;
        m_port.clearError();
        if (!m_port.waitForReadyRead(wait) && m_port.error() != QSerialPort::TimeoutError) {
            result.ok = false;
            break;
        }
    }
    return result;
}

void QtSerialLink::Sleep(std::chrono::milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

// Counted from when the read saw the byte, a little after it came: the
// radio gets its full quiet either way.
void QtSerialLink::SleepAfterAnswer(std::chrono::milliseconds duration)
{
    if (m_answeredAt)
        std::this_thread::sleep_until(*m_answeredAt + duration);
    else
        Sleep(duration);
}

void QtSerialLink::Close()
{
    if (m_port.isOpen())
        m_port.close();
    m_fineSlack.reset();
}
