#include "cable_check_link.h"

#include "link/protocol_bytes.h"

LineCounts& LineCounts::operator+=(const LineCounts& other)
{
    bytesSent += other.bytesSent;
    bytesReceived += other.bytesReceived;
    echoes += other.echoes;
    garbage += other.garbage;
    retries += other.retries;
    return *this;
}

void CableCheckLink::PurgeAll()
{
    if (m_purged)
        ++m_counts.retries;
    m_purged = true;
    m_echoable = -1;
    m_inner.PurgeAll();
}

void CableCheckLink::Clear()
{
    m_echoable = -1;
    m_inner.Clear();
}

WriteResult CableCheckLink::Write(std::span<const std::uint8_t> bytes)
{
    const WriteResult result = m_inner.Write(bytes);
    m_counts.bytesSent += result.count;
    const bool single = bytes.size() == 1 && bytes[0] != protocol::kAck;
    m_echoable = single ? bytes[0] : -1;
    m_answerDue = true;
    return result;
}

ReadResult CableCheckLink::Read(std::size_t n)
{
    ReadResult result = m_inner.Read(n);
    m_counts.bytesReceived += result.bytes.size();
    const bool answer = m_answerDue;
    const int echoable = m_echoable;
    m_answerDue = false;
    m_echoable = -1;
    if (result.bytes.empty())
        return result;
    if (result.bytes[0] == echoable)
        ++m_counts.echoes;
    else if (n == 1 && answer)
        countAnswer(result.bytes[0]);
    return result;
}

// Every one-byte read that follows a write waits for ACK or SYN; the rest of
// an identification read after an echo is not such a read.
void CableCheckLink::countAnswer(std::uint8_t byte)
{
    if (byte != protocol::kAck && byte != protocol::kSyn)
        ++m_counts.garbage;
}
