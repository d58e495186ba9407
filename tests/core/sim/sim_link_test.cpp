// The engine against the simulated radio in process, on a virtual clock.

#include "support/link_fakes.h"

#include "link/transfer_protocol.h"
#include "sim/sim_link.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

struct SimRun {
    VirtualClock clock;
    Journal journal;
    RecordingHost host{journal};
    SimulatedRadio radio;
    SimLink link{radio, clock};

    explicit SimRun(RadioOptions options) : radio(PatternImage(3), options) {}

    TransferResult transfer(TransferDirection direction)
    {
        EXPECT_TRUE(link.Open("sim").ok());
        RadioImage image = PatternImage(8);
        TransferProtocol protocol(link, host);
        const TransferResult result = protocol.Run(direction, image, kBand136To174);
        EXPECT_FALSE(link.isOpen());
        return result;
    }
};

// On the simulated line a transfer takes what 9600 baud and the pauses allow:
// not less than its blocks' bytes, not more than all bytes plus all pauses.
// A host whose polls take time costs the radio none of it: a read polls while
// the reply crosses the line, a write within the radio's quiet millisecond.
TEST(SimLine, ATransferTakesItsLineTimeAndNoLonger)
{
    struct Expect {
        TransferDirection direction;
        int blockBytes;
        int blocks;
        SimTime pauses;
        SimTime pollTakes;
    };
    // The pauses include the 30 ms gap that ends the identification's read:
    // it leaves room for an echoing cable's two bytes, which this line lacks.
    for (const Expect& e : {Expect{TransferDirection::Read, 18, 128, 23ms + 30ms, 0us},
                            Expect{TransferDirection::Write, 13, 122, 23ms + 30ms + 122ms, 0us},
                            Expect{TransferDirection::Read, 18, 128, 23ms + 30ms, 90us},
                            Expect{TransferDirection::Write, 13, 122, 23ms + 30ms + 122ms, 90us}}) {
        SCOPED_TRACE(e.blocks);
        SCOPED_TRACE(e.pollTakes.count());
        SimRun run({});
        run.host.duringDispatch = [&run, &e] { run.clock.Advance(e.pollTakes); };
        ASSERT_EQ(run.transfer(e.direction), TransferResult::Completed);
        EXPECT_GE(run.clock.Now(), kByteTime * (e.blocks * e.blockBytes));
        EXPECT_LE(run.clock.Now(), kByteTime * (20 + e.blocks * e.blockBytes) + e.pauses);
    }
}

TEST(SimLine, EachRetryAfterAFailedIdentificationWakesTheRadioAgain)
{
    SimRun run({{136, 174}, RadioFault::NakIdentification});
    run.host.retryAnswers = {RetryAnswer::Retry, RetryAnswer::Retry, RetryAnswer::Cancel};
    EXPECT_EQ(run.transfer(TransferDirection::Read), TransferResult::Refused);
    // Every round reached the identification's ACK and the 601 polls after the NAK.
    EXPECT_EQ(Count(run.journal, LinkEvent::AskRetry), 3);
    EXPECT_EQ(Count(run.journal, LinkEvent::Dispatch), 3 * (7 + 601));
}

TEST(SimLine, AWriteLeavesTheRadiosOwnStretchesAlone)
{
    SimRun run({{136, 480}, RadioFault::SynWrite});
    ASSERT_EQ(run.transfer(TransferDirection::Write), TransferResult::Completed);
    for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
        const bool leftAlone = (a >= 0x300 && a < 0x320) || a >= 0x3F0;
        ASSERT_EQ(run.radio.memory().byte(a), (leftAlone ? PatternImage(3) : PatternImage(8)).byte(a)) << a;
    }
}

// A program slowed down by a loaded machine: every clear comes late, while the
// radio answers as fast as the line allows.
class LateClearLink final : public SerialLink {
public:
    LateClearLink(SerialLink& inner, VirtualClock& clock, SimTime delay)
        : m_inner(inner), m_clock(clock), m_delay(delay) {}

    OpenStatus Open(const std::string& name) override { return m_inner.Open(name); }
    void Configure() override { m_inner.Configure(); }
    void PurgeAll() override { m_inner.PurgeAll(); }
    void Clear() override
    {
        m_clock.Advance(m_delay);
        m_inner.Clear();
    }
    WriteResult Write(std::span<const std::uint8_t> bytes) override { return m_inner.Write(bytes); }
    ReadResult Read(std::size_t n) override { return m_inner.Read(n); }
    void Sleep(std::chrono::milliseconds duration) override { m_inner.Sleep(duration); }
    void Close() override { m_inner.Close(); }

private:
    SerialLink& m_inner;
    VirtualClock& m_clock;
    SimTime m_delay;
};

class LateClear : public testing::TestWithParam<std::tuple<TransferDirection, int>> {};

TEST_P(LateClear, KeepsTheIdentificationThatHasAlreadyArrived)
{
    const auto [direction, delayMs] = GetParam();
    SimRun run(RadioOptions{});
    LateClearLink late(run.link, run.clock, std::chrono::milliseconds(delayMs));
    ASSERT_TRUE(late.Open("sim").ok());
    RadioImage image = PatternImage(8);
    TransferProtocol protocol(late, run.host);
    EXPECT_EQ(protocol.Run(direction, image, kBand136To174), TransferResult::Completed);
    EXPECT_EQ(Count(run.journal, LinkEvent::AskRetry), 0);
    EXPECT_EQ(image == PatternImage(direction == TransferDirection::Read ? 3 : 8), true);
}

INSTANTIATE_TEST_SUITE_P(Delays, LateClear,
                         testing::Combine(testing::Values(TransferDirection::Read, TransferDirection::Write),
                                          testing::Values(0, 2, 5, 9, 20)));

} // namespace
