#include "tracing_link.h"

#include "document/file_kind.h"

namespace {

QString hex(std::span<const std::uint8_t> bytes)
{
    QString text;
    for (std::uint8_t b : bytes)
        text += QStringLiteral(" %1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    return text;
}

} // namespace

TracingLink::TracingLink(SerialLink& inner, const QString& tracePath) : m_inner(inner), m_file(tracePath) {}

bool TracingLink::Start()
{
    m_refusal = CheckOutputFile(m_file.fileName());
    return m_refusal.isEmpty() && m_file.open(QIODevice::WriteOnly | QIODevice::Text);
}

bool TracingLink::Finish()
{
    return m_file.commit();
}

void TracingLink::line(const QString& text)
{
    const double ms = m_sinceOpen.isValid() ? static_cast<double>(m_sinceOpen.nsecsElapsed()) / 1e6 : 0.0;
    m_file.write(QStringLiteral("%1 %2\n").arg(ms, 10, 'f', 3).arg(text).toLatin1());
}

OpenStatus TracingLink::Open(const QString& name)
{
    m_sinceOpen.start();
    OpenStatus status = m_inner.Open(name);
    if (status.ok())
        line(QStringLiteral("open %1").arg(name));
    else
        line(QStringLiteral("open %1 failed: %2").arg(name, status.systemText()));
    return status;
}

void TracingLink::Configure()
{
    m_inner.Configure();
    line(QStringLiteral("configure 9600 8N1"));
}

void TracingLink::PurgeAll()
{
    m_inner.PurgeAll();
    line(QStringLiteral("purge all"));
}

void TracingLink::Clear()
{
    m_inner.Clear();
    line(QStringLiteral("clear"));
}

WriteResult TracingLink::Write(std::span<const std::uint8_t> bytes)
{
    const WriteResult result = m_inner.Write(bytes);
    QString text = QStringLiteral("TX") + hex(bytes.first(std::min(result.count, bytes.size())));
    if (!result.ok || result.count != bytes.size())
        text += QStringLiteral(" (write failed, %1 of %2 sent)").arg(result.count).arg(bytes.size());
    line(text);
    return result;
}

ReadResult TracingLink::Read(std::size_t n)
{
    ReadResult result = m_inner.Read(n);
    QString text = QStringLiteral("RX") + hex(result.bytes);
    if (!result.ok)
        text += QStringLiteral(" (read failed, %1 of %2)").arg(result.bytes.size()).arg(n);
    else if (result.bytes.size() < n)
        text += QStringLiteral(" (timed out, %1 of %2)").arg(result.bytes.size()).arg(n);
    line(text);
    return result;
}

void TracingLink::Close()
{
    m_inner.Close();
    line(QStringLiteral("close"));
}
