#pragma once

#include "sim/sim_clock.h"

// The serial line between a program and the simulated radio, one direction
// each way, timed byte by byte. With line-rate emulation a byte the program
// sends takes up the line from the moment the radio sees it (or from when the
// line is free of the one before), and a reply byte leaves no sooner than the
// request it answers has fully arrived and the line is free, taking its own
// byte time to cross. Without it the line is infinitely wide but not
// infinitely fast: each byte still takes one byte time, so no answer comes
// sooner than a real radio's could.
//
// The radio's host sleeps until a reply byte is due; when it wakes late, the
// program gets that byte late through no fault of its own. The lateness of
// each reply's last byte, the one the program waits for, is summed so that a
// measurement can take it out.
class ExactLine {
public:
    explicit ExactLine(bool lineRate) : m_lineRate(lineRate) {}

    // The moment a byte the radio read at readAt has fully crossed the line.
    [[nodiscard]] SimTime Received(SimTime readAt);
    // The moment a reply byte that may start at notBefore has fully crossed.
    [[nodiscard]] SimTime Sent(SimTime notBefore);
    // A reply's last byte, due at due, went out at at.
    void ReplyEnded(SimTime due, SimTime at);

    // How late the replies' last bytes went out, in all, since the last call.
    [[nodiscard]] SimTime TakeLateness();

private:
    const bool m_lineRate;
    SimTime m_inputFree{0};
    SimTime m_outputFree{0};
    SimTime m_lateness{0};
};
