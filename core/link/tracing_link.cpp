#include "tracing_link.h"

#include <cstdio>
#include <string>

namespace {

std::string hex(std::span<const std::uint8_t> bytes)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t b : bytes) {
        text += ' ';
        text += digits[b >> 4];
        text += digits[b & 0x0F];
    }
    return text;
}

std::string ofCount(const char* what, std::size_t got, std::size_t of)
{
    return std::string(" (") + what + ", " + std::to_string(got) + " of " + std::to_string(of) + ")";
}

} // namespace

void TracingLink::line(std::string_view text)
{
    const double ms = m_isOpen ? std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_opened).count()
                               : 0.0;
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%10.3f ", ms);
    m_sink.Line(std::string(stamp) + std::string(text));
}

OpenStatus TracingLink::Open(const std::string& name)
{
    m_opened = std::chrono::steady_clock::now();
    m_isOpen = true;
    OpenStatus status = m_inner.Open(name);
    if (status.ok())
        line("open " + name);
    else
        line("open " + name + " failed: " + status.systemText());
    return status;
}

void TracingLink::Configure()
{
    m_inner.Configure();
    line("configure 9600 8N1");
}

void TracingLink::PurgeAll()
{
    m_inner.PurgeAll();
    line("purge all");
}

void TracingLink::Clear()
{
    m_inner.Clear();
    line("clear");
}

WriteResult TracingLink::Write(std::span<const std::uint8_t> bytes)
{
    const WriteResult result = m_inner.Write(bytes);
    std::string text = "TX" + hex(bytes.first(std::min(result.count, bytes.size())));
    if (!result.ok || result.count != bytes.size())
        text += " (write failed, " + std::to_string(result.count) + " of " + std::to_string(bytes.size()) + " sent)";
    line(text);
    return result;
}

ReadResult TracingLink::Read(std::size_t n)
{
    ReadResult result = m_inner.Read(n);
    std::string text = "RX" + hex(result.bytes);
    if (!result.ok)
        text += ofCount("read failed", result.bytes.size(), n);
    else if (result.bytes.size() < n)
        text += ofCount("timed out", result.bytes.size(), n);
    line(text);
    return result;
}

void TracingLink::Close()
{
    m_inner.Close();
    line("close");
}
