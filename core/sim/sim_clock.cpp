#include "sim_clock.h"

#include <algorithm>
#include <thread>

void VirtualClock::WaitUntil(SimTime when)
{
    m_now = std::max(m_now, when);
}

SimTime SteadyClock::Now() const
{
    return std::chrono::duration_cast<SimTime>(std::chrono::steady_clock::now() - m_start);
}

void SteadyClock::WaitUntil(SimTime when)
{
    std::this_thread::sleep_until(m_start + when);
}
