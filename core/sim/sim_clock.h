#pragma once

#include <chrono>

// Time on the simulated line, counted from the clock's start.
using SimTime = std::chrono::nanoseconds;

// At 9600 baud a byte of 10 bits (start, 8 data, stop) takes 1.0417 ms.
inline constexpr SimTime kByteTime{1'041'667};

// Where a simulated line gets its time from: the wall clock, or a virtual
// clock that a test moves on instead of waiting.
class SimClock {
public:
    virtual ~SimClock() = default;
    virtual SimTime Now() const = 0;
    virtual void WaitUntil(SimTime when) = 0;
};

// Never waits: time moves only when someone waits for it.
class VirtualClock final : public SimClock {
public:
    SimTime Now() const override { return m_now; }
    void WaitUntil(SimTime when) override;
    void Advance(SimTime by) { m_now += by; }

private:
    SimTime m_now{0};
};

class SteadyClock final : public SimClock {
public:
    SteadyClock() : m_start(std::chrono::steady_clock::now()) {}
    SimTime Now() const override;
    void WaitUntil(SimTime when) override;

private:
    std::chrono::steady_clock::time_point m_start;
};
