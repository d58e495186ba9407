#include "support/link_fakes.h"

#include "link/protocol_bytes.h"
#include "link/transfer_protocol.h"
#include "link/transfer_status.h"

#include <gtest/gtest.h>

namespace {

using Stage = TransferStatus::Stage;

// The status texts, in one word each, so that a whole run reads as a line.
std::string Words(const std::vector<TransferStatus>& statuses)
{
    std::string text;
    for (const TransferStatus& s : statuses)
        text += TransferStatusText(s, "COM2 (/dev/ttyUSB1)") + "|";
    return text;
}

std::string Blocks(int count)
{
    std::string text;
    for (int k = 1; k <= count; ++k)
        text += "Block " + std::to_string(k) + " of " + std::to_string(count) + "|";
    return text;
}

const std::string kWaiting = "Waiting for the radio on COM2 (/dev/ttyUSB1)|";
const std::string kIdentifying = "Identifying the radio|";

struct StatusCase {
    const char* name;
    TransferDirection direction;
    int blocks;
};

class StatusLine : public testing::TestWithParam<StatusCase> {};

TEST_P(StatusLine, FollowsTheTransferFromTheWakeUpToTheLastBlock)
{
    const StatusCase& c = GetParam();
    Bench bench;
    ScriptTransfer(bench.link, c.direction, PatternImage(6));
    RadioImage image;
    ASSERT_EQ(bench.Run(c.direction, image, kBand136To174), TransferResult::Completed);
    EXPECT_EQ(Words(bench.host.statuses), kWaiting + kIdentifying + Blocks(c.blocks) + "Done|");
}

INSTANTIATE_TEST_SUITE_P(Directions, StatusLine,
                         testing::Values(StatusCase{"Read", TransferDirection::Read, 128},
                                         StatusCase{"Write", TransferDirection::Write, 122}),
                         [](const testing::TestParamInfo<StatusCase>& info) { return std::string(info.param.name); });

TEST(StatusLine, ARetryWaitsForTheRadioAgainAndAFailureIsNeverDone)
{
    Bench bench;
    bench.link.Answer({protocol::kSyn});
    bench.link.AnswerFailedCall(); // the identification
    bench.link.Answer({protocol::kSyn});
    ScriptIdentification(bench.link);
    ScriptReadBlocks(bench.link, PatternImage(6), 0, 2);
    bench.host.retryAnswers = {RetryAnswer::Retry};
    RadioImage image;
    ASSERT_EQ(bench.Run(TransferDirection::Read, image), TransferResult::Failed);
    EXPECT_EQ(Words(bench.host.statuses),
              kWaiting + kIdentifying + kWaiting + kIdentifying + "Block 1 of 128|Block 2 of 128|Block 3 of 128|");
}

TEST(StatusPortName, AddsTheDeviceOnlyWhereItSaysMore)
{
    EXPECT_EQ(StatusPortName("COM1", "/dev/ttyS0"), "COM1 (/dev/ttyS0)");
    EXPECT_EQ(StatusPortName("/dev/pts/4", "/dev/pts/4"), "/dev/pts/4");
    EXPECT_EQ(StatusPortName("Simulated radio", ""), "Simulated radio");
}

} // namespace
