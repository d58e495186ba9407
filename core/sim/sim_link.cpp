#include "sim_link.h"

#include "link/read_timeouts.h"

#include <algorithm>

OpenStatus SimLink::Open(const std::string&)
{
    m_open = true;
    m_input.clear();
    m_answeredAt = SimTime{-1};
    return OpenStatus::Opened();
}

void SimLink::PurgeAll()
{
    discardArrived();
}

void SimLink::Clear()
{
    m_clock.WaitUntil(std::max(m_clock.Now(), m_outputFree));
    discardArrived();
}

void SimLink::discardArrived()
{
    const SimTime now = m_clock.Now();
    while (!m_input.empty() && m_input.front().arrival <= now)
        m_input.pop_front();
}

// Each byte leaves when the line is free and reaches the radio one byte time
// later; the radio's answers travel back the same way.
WriteResult SimLink::Write(std::span<const std::uint8_t> bytes)
{
    if (!m_open)
        return {};
    for (std::uint8_t b : bytes) {
        m_outputFree = std::max(m_clock.Now(), m_outputFree) + kByteTime;
        m_radio.Receive(b, m_outputFree);
        for (const RadioReply& reply : m_radio.TakeReplies()) {
            m_inputFree = std::max(reply.notBefore, m_inputFree) + kByteTime;
            m_input.push_back({reply.byte, m_inputFree});
        }
    }
    return {true, bytes.size()};
}

ReadResult SimLink::Read(std::size_t n)
{
    ReadResult result;
    if (!m_open)
        return result;
    result.ok = true;
    const SimTime start = m_clock.Now();
    const SimTime total = start + read_timeouts::Total(n);
    SimTime last = start;
    while (result.bytes.size() < n && !m_input.empty()) {
        const SimTime arrival = std::max(m_input.front().arrival, start);
        const SimTime limit = result.bytes.empty() ? total : std::min<SimTime>(total, last + read_timeouts::kBetweenBytes);
        if (arrival > limit)
            break;
        result.bytes.push_back(m_input.front().byte);
        last = arrival;
        m_answeredAt = arrival;
        m_input.pop_front();
    }
    SimTime end = total;
    if (result.bytes.size() == n)
        end = last;
    else if (!result.bytes.empty())
        end = std::min<SimTime>(total, last + read_timeouts::kBetweenBytes);
    m_clock.WaitUntil(end);
    return result;
}

void SimLink::Sleep(std::chrono::milliseconds duration)
{
    m_clock.WaitUntil(m_clock.Now() + duration);
}

void SimLink::SleepAfterAnswer(std::chrono::milliseconds duration)
{
    if (m_answeredAt < SimTime{0})
        Sleep(duration);
    else
        m_clock.WaitUntil(std::max(m_clock.Now(), m_answeredAt + SimTime(duration)));
}

void SimLink::Close()
{
    m_open = false;
}
