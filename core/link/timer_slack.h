#pragma once

// While it lives, the process's sleeps end on time: the transfer's pauses are
// a millisecond long, and the kernel's default timer slack of 50 us would
// stretch each of them for nothing. The slack it found comes back after.
// Nothing to do where the system has no timer slack.
class FineTimerSlack {
public:
    FineTimerSlack();
    ~FineTimerSlack();
    FineTimerSlack(const FineTimerSlack&) = delete;
    FineTimerSlack& operator=(const FineTimerSlack&) = delete;

private:
    // Unused where the system has no timer slack.
    [[maybe_unused]] unsigned long m_saved = 0;
};
