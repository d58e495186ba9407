#include "support/link_fakes.h"

#include "link/progress_text.h"
#include "link/protocol_bytes.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr std::uint8_t kSyn = protocol::kSyn;
constexpr std::uint8_t kNak = 0x15;
constexpr auto R = TransferDirection::Read;
constexpr auto W = TransferDirection::Write;

std::vector<std::size_t> addresses(std::size_t firstBlock, std::size_t endBlock)
{
    std::vector<std::size_t> list;
    for (std::size_t k = firstBlock; k < endBlock; ++k)
        list.push_back(k * 8);
    return list;
}

void expectClosedOnceAtTheEnd(const Journal& journal)
{
    EXPECT_EQ(Count(journal, LinkEvent::Close), 1);
    EXPECT_EQ(journal.back().kind, LinkEvent::Close);
}

TEST(ReadBlocks, RequestsAll128BlocksInOrderAndAcknowledgesEach)
{
    Bench bench;
    const RadioImage memory = PatternImage(11);
    ScriptTransfer(bench.link, R, memory);
    RadioImage image;
    ASSERT_EQ(bench.Run(R, image), TransferResult::Completed);
    EXPECT_EQ(FrameAddresses(bench.journal, protocol::kReadBlock), addresses(0, 128));
    // The reply headers were noise; only the 8 bytes after them count.
    EXPECT_EQ(image, memory);
    // Block 5: request, nine polls while the reply comes, the reply, clear, clear, ACK,
    // the radio's ACK, one step, one look for a Cancel.
    const std::string block5 = "L w52.00.28.08 " + Repeat("d ", 9) + "r12=A5.05.5A.FA." + Hex(memory.block(5)) +
                               " L L w06 r1=06 p1 c L w52.00.30.08 ";
    EXPECT_NE(Describe(bench.journal).find(block5), std::string::npos) << block5;
    expectClosedOnceAtTheEnd(bench.journal);
}

TEST(WriteBlocks, Sends122FramesAndNeverTheTwoStretchesLeftAlone)
{
    Bench bench;
    ScriptTransfer(bench.link, W, RadioImage());
    RadioImage image = PatternImage(13);
    const RadioImage before = image;
    ASSERT_EQ(bench.Run(W, image, kBand136To174), TransferResult::Completed);
    EXPECT_EQ(image, before);
    // 0x000 to 0x2F8, then 0x320 to 0x3E8: nothing in 0x300-0x318, nothing at 0x3F0 or 0x3F8.
    std::vector<std::size_t> expected = addresses(0, 96);
    for (std::size_t a : addresses(100, 126))
        expected.push_back(a);
    EXPECT_EQ(FrameAddresses(bench.journal, protocol::kWriteBlock), expected);
    // Each header is followed directly by the 8 bytes at its address; then the
    // answer, one step, ten polls that look before dispatching and one pause.
    const std::string description = Describe(bench.journal);
    for (std::size_t k : {0, 1, 95, 100, 125}) {
        const std::string frame = "L w57." + Hex(std::array<std::uint8_t, 2>{std::uint8_t(k * 8 >> 8), std::uint8_t(k * 8)}) +
                                  ".08 w" + Hex(before.block(k)) + " r1=06 p1 " + Repeat("c d ", 10) + "s1 ";
        EXPECT_NE(description.find(frame), std::string::npos) << frame;
    }
    expectClosedOnceAtTheEnd(bench.journal);
}

// A read that goes wrong at block k, and what the user is told.
struct ReadFault {
    const char* name;
    std::size_t block;
    std::function<void(ScriptedLink&, const LinkBytes& reply)> fault;
    const char* message;
};

void PrintTo(const ReadFault& c, std::ostream* os)
{
    *os << c.name;
}

const char* const kShort = "Not receive enough byte";
const char* const kNoAck = "Not receive ACK signal";

const ReadFault kReadFaults[] = {
    {"ElevenBytesAtFirstBlock", 0, [](ScriptedLink& l, const LinkBytes& r) { l.Answer({r.begin(), r.end() - 1}); }, kShort},
    {"ElevenBytesAtBlock40", 40, [](ScriptedLink& l, const LinkBytes& r) { l.Answer({r.begin(), r.end() - 1}); }, kShort},
    {"ReplyReadFails", 40, [](ScriptedLink& l, const LinkBytes&) { l.AnswerFailedCall(); }, kShort},
    {"NoAckAtBlock40", 40, [](ScriptedLink& l, const LinkBytes& r) { l.Answer(r); }, kNoAck},
    {"SynAckAtBlock40", 40, [](ScriptedLink& l, const LinkBytes& r) { l.Answer(r); l.Answer({kSyn}); }, kNoAck},
    {"NakAtLastBlock", 127, [](ScriptedLink& l, const LinkBytes& r) { l.Answer(r); l.Answer({kNak}); }, kNoAck},
};

class ReadBlockFault : public testing::TestWithParam<ReadFault> {};

TEST_P(ReadBlockFault, FailsWithItsMessageAndLeavesTheImageAsItWas)
{
    const ReadFault& c = GetParam();
    Bench bench;
    const RadioImage memory = PatternImage(17);
    ScriptOpening(bench.link);
    ScriptReadBlocks(bench.link, memory, 0, c.block);
    LinkBytes reply(4, 0x00);
    reply.insert(reply.end(), memory.block(c.block).begin(), memory.block(c.block).end());
    c.fault(bench.link, reply);
    ScriptReadBlocks(bench.link, memory, c.block + 1, RadioImage::kBlockCount);

    RadioImage image = PatternImage(99);
    const RadioImage before = image;
    EXPECT_EQ(bench.Run(R, image), TransferResult::Failed);
    EXPECT_EQ(image, before);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Message), 1);
    EXPECT_EQ(LastMessage(bench.journal), c.message);
    EXPECT_EQ(FrameAddresses(bench.journal, protocol::kReadBlock).size(), c.block + 1);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Progress), static_cast<int>(c.block));
    expectClosedOnceAtTheEnd(bench.journal);
}

INSTANTIATE_TEST_SUITE_P(Faults, ReadBlockFault, testing::ValuesIn(kReadFaults),
                         [](const testing::TestParamInfo<ReadFault>& info) { return std::string(info.param.name); });

// How the radio answers frame number `at`.
struct WriteAnswer {
    const char* name;
    std::size_t at;
    std::function<void(ScriptedLink&)> answer;
    bool passes;
};

void PrintTo(const WriteAnswer& c, std::ostream* os)
{
    *os << c.name;
}

const WriteAnswer kWriteAnswers[] = {
    {"SynCountsAsAcknowledged", 50, [](ScriptedLink& l) { l.Answer({kSyn}); }, true},
    {"NakFails", 50, [](ScriptedLink& l) { l.Answer({kNak}); }, false},
    {"SilenceFails", 0, [](ScriptedLink& l) { l.AnswerSilence(); }, false},
    {"FailedReadFails", 121, [](ScriptedLink& l) { l.AnswerFailedCall(); }, false},
};

class WriteBlockAnswer : public testing::TestWithParam<WriteAnswer> {};

TEST_P(WriteBlockAnswer, AcceptsAckOrSynOnly)
{
    const WriteAnswer& c = GetParam();
    Bench bench;
    ScriptOpening(bench.link);
    ScriptWriteAnswers(bench.link, c.at);
    c.answer(bench.link);
    ScriptWriteAnswers(bench.link, protocol::kWrittenBlockCount - c.at - 1);
    RadioImage image = PatternImage(21);
    EXPECT_EQ(bench.Run(W, image, kBand136To174), c.passes ? TransferResult::Completed : TransferResult::Failed);
    EXPECT_EQ(LastMessage(bench.journal), c.passes ? "" : "Communication error");
    EXPECT_EQ(FrameAddresses(bench.journal, protocol::kWriteBlock).size(),
              c.passes ? protocol::kWrittenBlockCount : c.at + 1);
    expectClosedOnceAtTheEnd(bench.journal);
}

INSTANTIATE_TEST_SUITE_P(Answers, WriteBlockAnswer, testing::ValuesIn(kWriteAnswers),
                         [](const testing::TestParamInfo<WriteAnswer>& info) { return std::string(info.param.name); });

// Cancel set by the given dispatch after frame number `frame`.
struct CancelCase {
    TransferDirection direction;
    int frame;
    int dispatch;
    TransferResult result;
    std::size_t framesSent;
};

class BlockCancel : public testing::TestWithParam<CancelCase> {};

TEST_P(BlockCancel, IsSeenAtTheNextLookAndEndsWithoutAMessage)
{
    const CancelCase& c = GetParam();
    Bench bench;
    ScriptTransfer(bench.link, c.direction, PatternImage(23));
    const int wakeUpPolls = 7;
    bench.host.cancelFromDispatch = wakeUpPolls + (c.direction == R ? 9 : 10) * c.frame + c.dispatch;
    RadioImage image = PatternImage(1);
    const RadioImage before = image;
    EXPECT_EQ(bench.Run(c.direction, image, kBand136To174), c.result);
    const std::uint8_t kind = c.direction == R ? protocol::kReadBlock : protocol::kWriteBlock;
    EXPECT_EQ(FrameAddresses(bench.journal, kind).size(), c.framesSent);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Message), 0);
    EXPECT_EQ(image == before, c.result == TransferResult::Cancelled || c.direction == W);
    expectClosedOnceAtTheEnd(bench.journal);
}

constexpr auto kCancelled = TransferResult::Cancelled;
INSTANTIATE_TEST_SUITE_P(PollSites, BlockCancel,
                         testing::Values(
                             // A read looks once the block is acknowledged.
                             CancelCase{R, 0, 1, kCancelled, 1}, CancelCase{R, 63, 9, kCancelled, 64},
                             CancelCase{R, 127, 9, kCancelled, 128},
                             // A write looks before each dispatch: a Cancel that comes with the
                             // tenth is seen once the next frame has gone out, or never after the last.
                             CancelCase{W, 0, 1, kCancelled, 1}, CancelCase{W, 0, 10, kCancelled, 2},
                             CancelCase{W, 95, 10, kCancelled, 97}, CancelCase{W, 121, 9, kCancelled, 122},
                             CancelCase{W, 121, 10, TransferResult::Completed, 122}));

// The progress position after each step, and the text at the points that matter.
struct ProgressCase {
    TransferDirection direction;
    std::size_t step;
    int position;
    const char* text;
};

class Progress : public testing::TestWithParam<ProgressCase> {};

TEST_P(Progress, ReachesItsPositionAndPercentage)
{
    const ProgressCase& c = GetParam();
    Bench bench;
    ScriptTransfer(bench.link, c.direction, PatternImage(3));
    RadioImage image;
    ASSERT_EQ(bench.Run(c.direction, image, kBand136To174), TransferResult::Completed);
    std::vector<int> positions;
    for (const LinkEvent& e : bench.journal) {
        if (e.kind == LinkEvent::Progress)
            positions.push_back((positions.empty() ? 0 : positions.back()) + e.value);
    }
    ASSERT_EQ(positions.size(), c.direction == R ? 128u : 123u);
    EXPECT_EQ(positions[c.step], c.position);
    EXPECT_EQ(ProgressPercentText(c.position, ProgressRange(c.direction)), c.text);
}

INSTANTIATE_TEST_SUITE_P(Table, Progress,
                         testing::Values(ProgressCase{R, 0, 1, "0%"}, ProgressCase{R, 1, 2, "1%"},
                                         ProgressCase{R, 63, 64, "50%"}, ProgressCase{R, 127, 128, "100%"},
                                         ProgressCase{W, 95, 96, "76%"}, ProgressCase{W, 96, 100, "79%"},
                                         ProgressCase{W, 122, 126, "100%"}));

TEST(ProgressGap, StepsFourAtOnceBeforeBlock100GoesOut)
{
    Bench bench;
    ScriptTransfer(bench.link, W, RadioImage());
    RadioImage image;
    ASSERT_EQ(bench.Run(W, image, kBand136To174), TransferResult::Completed);
    EXPECT_NE(Describe(bench.journal).find("s1 p4 L w57.03.20.08 "), std::string::npos);
}

} // namespace
