// The simulated line's timing, on plain numbers: no clock runs.

#include "sim/exact_line.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

namespace {

using namespace std::chrono_literals;

struct Exchange {
    const char* what;
    bool lineRate;
    std::vector<SimTime> readAt; // when the radio read each request byte
    int replyBytes;
    SimTime requestEnd;     // the last request byte has crossed
    SimTime firstReplyByte; // the first reply byte has crossed
    SimTime lastReplyByte;
};

void PrintTo(const Exchange& e, std::ostream* os)
{
    *os << e.what;
}

class ExactLineExchange : public testing::TestWithParam<Exchange> {};

// The radio answers once the request's last byte is in, as SimulatedRadio does.
TEST_P(ExactLineExchange, RepliesFollowTheRequestByteAfterByte)
{
    const Exchange& e = GetParam();
    ExactLine line(e.lineRate);
    SimTime arrival{0};
    for (SimTime at : e.readAt)
        arrival = line.Received(at);
    EXPECT_EQ(arrival, e.requestEnd);
    std::vector<SimTime> sent;
    for (int i = 0; i < e.replyBytes; ++i)
        sent.push_back(line.Sent(arrival));
    EXPECT_EQ(sent.front(), e.firstReplyByte);
    EXPECT_EQ(sent.back(), e.lastReplyByte);
}

INSTANTIATE_TEST_SUITE_P(
    Timing, ExactLineExchange,
    testing::Values(
        Exchange{"a request read in one go still crosses byte after byte", true, {0ns, 0ns, 0ns, 0ns}, 12,
                 4 * kByteTime, 5 * kByteTime, 16 * kByteTime},
        Exchange{"a byte read after the line fell idle starts when it is read", true, {0ns, 10ms}, 1,
                 10ms + kByteTime, 10ms + 2 * kByteTime, 10ms + 2 * kByteTime},
        Exchange{"a byte read while the one before is crossing waits for it", true, {0ns, kByteTime / 2}, 1,
                 2 * kByteTime, 3 * kByteTime, 3 * kByteTime},
        Exchange{"without line rate every byte costs one byte time, side by side", false, {0ns, 0ns, 0ns, 0ns},
                 12, kByteTime, 2 * kByteTime, 2 * kByteTime}));

TEST(ExactLine, AReplyWaitsForTheOneStillCrossing)
{
    ExactLine line(true);
    for (int i = 0; i < 12; ++i)
        static_cast<void>(line.Sent(0ns));
    EXPECT_EQ(line.Sent(kByteTime), 13 * kByteTime);
}

// Only replies that went out after they were due count, each by how much.
TEST(ExactLine, LatenessSumsWhatTheRadioOverslept)
{
    const std::vector<std::pair<SimTime, SimTime>> dueAndSent = {{10ms, 9ms}, {20ms, 20ms}, {30ms, 30ms + 70us},
                                                                  {40ms, 40ms + 5us}};
    ExactLine line(true);
    for (const auto& [due, at] : dueAndSent)
        line.ReplyEnded(due, at);
    EXPECT_EQ(line.TakeLateness(), 75us);
    EXPECT_EQ(line.TakeLateness(), 0ns);
}

} // namespace
