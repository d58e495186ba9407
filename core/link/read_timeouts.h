#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>

// How long a read of n bytes waits: it ends when the n bytes are in, when
// 500 ms per byte plus 90 ms have passed since it began, or when more than
// 30 ms pass between two received bytes. A write of n bytes may take 50 ms per
// byte plus 50 ms.
namespace read_timeouts {

inline constexpr std::chrono::milliseconds kPerByte{500};
inline constexpr std::chrono::milliseconds kConstant{90};
inline constexpr std::chrono::milliseconds kBetweenBytes{30};

constexpr std::chrono::milliseconds Total(std::size_t n)
{
    return kPerByte * static_cast<long long>(n) + kConstant;
}

// When a read of n bytes that began at start must end, on any clock: at the
// total time-out, or sooner once a byte has come and the next one is late.
template <typename Time>
class ReadDeadline {
public:
    ReadDeadline(Time start, std::size_t n) : m_total(start + Total(n)), m_deadline(m_total) {}

    void ByteArrived(Time at) { m_deadline = std::min(m_total, at + kBetweenBytes); }
    Time At() const { return m_deadline; }
    // A byte that arrives at this moment is still taken.
    bool Takes(Time arrival) const { return arrival <= m_deadline; }

private:
    Time m_total;
    Time m_deadline;
};

constexpr std::chrono::milliseconds WriteTotal(std::size_t n)
{
    return std::chrono::milliseconds{50} * static_cast<long long>(n) + std::chrono::milliseconds{50};
}

} // namespace read_timeouts
