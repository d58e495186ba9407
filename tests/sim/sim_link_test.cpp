// The engine against the simulated radio in process, on a virtual clock.

#include "link/link_fakes.h"

#include "link/transfer_protocol.h"
#include "sim/sim_link.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

struct SimRun {
    VirtualClock clock;
    Journal journal;
    RecordingHost host{journal, clock};
    SimulatedRadio radio;
    SimLink link{radio, clock};

    explicit SimRun(RadioOptions options) : radio(PatternImage(3), options) {}

    TransferResult transfer(TransferDirection direction)
    {
        EXPECT_TRUE(link.Open(QStringLiteral("sim")).ok());
        RadioImage image = PatternImage(8);
        TransferProtocol protocol(link, host);
        const TransferResult result = protocol.Run(direction, image, kBand136To174);
        EXPECT_FALSE(link.isOpen());
        return result;
    }
};

// On the simulated line a transfer takes what 9600 baud and the pauses allow:
// not less than its blocks' bytes, not more than all bytes plus all pauses.
TEST(SimLine, ATransferTakesItsLineTimeAndNoLonger)
{
    struct Expect {
        TransferDirection direction;
        int blockBytes;
        int blocks;
        SimTime pauses;
    };
    for (const Expect& e : {Expect{TransferDirection::Read, 18, 128, 23ms},
                            Expect{TransferDirection::Write, 13, 122, 23ms + 122ms}}) {
        SCOPED_TRACE(e.blocks);
        SimRun run({});
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

} // namespace
