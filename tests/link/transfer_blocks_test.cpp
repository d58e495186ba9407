#include "link_fakes.h"

#include "link/progress_text.h"
#include "link/protocol_bytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

namespace {

constexpr std::uint8_t kAck = protocol::kAck;
constexpr std::uint8_t kSyn = protocol::kSyn;
constexpr std::uint8_t kNak = 0x15;
constexpr int kWakeUpDispatches = 7;

void expectClosedOnceAtTheEnd(const Journal& journal)
{
    EXPECT_EQ(Count(journal, LinkEvent::Close), 1);
    EXPECT_EQ(journal.back().kind, LinkEvent::Close);
}

std::string dotted(std::span<const std::uint8_t> bytes)
{
    std::string text;
    char buf[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", b);
        text += (text.empty() ? "" : ".") + std::string(buf);
    }
    return text;
}

std::string repeat(const std::string& word, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += word;
    return text;
}

std::vector<std::size_t> addresses(std::size_t firstBlock, std::size_t endBlock)
{
    std::vector<std::size_t> list;
    for (std::size_t k = firstBlock; k < endBlock; ++k)
        list.push_back(k * 8);
    return list;
}

TEST(ReadBlocks, RequestsAll128BlocksInOrderAndAcknowledgesEach)
{
    Bench bench;
    const RadioImage memory = PatternImage(11);
    ScriptTransfer(bench.link, TransferDirection::Read, memory);
    RadioImage image;
    ASSERT_EQ(bench.Run(TransferDirection::Read, image), TransferResult::Completed);
    EXPECT_EQ(FrameAddresses(bench.journal, protocol::kReadBlock), addresses(0, 128));
    // The reply headers were noise; only the 8 bytes after them count.
    EXPECT_EQ(image, memory);
    // Block 5: request, reply, clear, clear, ACK, the radio's ACK, one step,
    // nine polls, and the clear before the next request.
    const std::string expected = "L w52.00.28.08 r12=A5.05.5A.FA." + dotted(memory.block(5)) +
                                 " L L w06 r1=06 p1 " + repeat("d c ", 9) + "L w52.00.30.08 ";
    EXPECT_NE(Describe(bench.journal).find(expected), std::string::npos) << expected;
    expectClosedOnceAtTheEnd(bench.journal);
}

TEST(WriteBlocks, SendsTheImageIn122FramesLeavingTwoStretchesAlone)
{
    Bench bench;
    ScriptTransfer(bench.link, TransferDirection::Write, RadioImage());
    RadioImage image = PatternImage(13);
    const RadioImage before = image;
    ASSERT_EQ(bench.Run(TransferDirection::Write, image, kBand136To174), TransferResult::Completed);
    EXPECT_EQ(image, before);

    std::vector<std::size_t> expected = addresses(0, 96);
    const std::vector<std::size_t> upper = addresses(100, 126);
    expected.insert(expected.end(), upper.begin(), upper.end());
    const std::vector<std::size_t> sent = FrameAddresses(bench.journal, protocol::kWriteBlock);
    EXPECT_EQ(sent, expected);
    ASSERT_EQ(sent.size(), 122u);
    EXPECT_EQ(sent.front(), 0x0000u);
    EXPECT_EQ(sent.back(), 0x03E8u);
    for (std::size_t a : sent) {
        EXPECT_FALSE(a >= 0x300 && a <= 0x318) << a;
        EXPECT_FALSE(a == 0x3F0 || a == 0x3F8) << a;
    }
    // Each header is followed directly by the 8 bytes at its address.
    const std::vector<LinkBytes> writes = Writes(bench.journal);
    int frames = 0;
    for (std::size_t i = 0; i + 1 < writes.size(); ++i) {
        if (writes[i].size() != 4 || writes[i][0] != protocol::kWriteBlock)
            continue;
        const std::size_t a = std::size_t{writes[i][1]} << 8 | writes[i][2];
        const auto block = before.block(a / 8);
        EXPECT_EQ(writes[i + 1], LinkBytes(block.begin(), block.end())) << a;
        ++frames;
    }
    EXPECT_EQ(frames, 122);
    // Block 1: clear, header, data, the answer, one step, ten polls that look
    // before dispatching, one pause.
    const std::string block1 = "L w57.00.08.08 w" + dotted(before.block(1)) + " r1=06 p1 " + repeat("c d ", 10) +
                               "s1 L w57.00.10.08 ";
    EXPECT_NE(Describe(bench.journal).find(block1), std::string::npos) << block1;
    expectClosedOnceAtTheEnd(bench.journal);
}

// A read that goes wrong at block k, and what the user is told.
struct ReadFault {
    const char* name;
    std::size_t block;
    std::function<void(ScriptedLink&, const RadioImage&, std::size_t)> fault;
    const char* message;
};

void PrintTo(const ReadFault& c, std::ostream* os)
{
    *os << c.name;
}

LinkBytes reply(const RadioImage& memory, std::size_t k, std::size_t length)
{
    LinkBytes bytes(4, 0x00);
    const auto block = memory.block(k);
    bytes.insert(bytes.end(), block.begin(), block.end());
    bytes.resize(length);
    return bytes;
}

const ReadFault kReadFaults[] = {
    {"ElevenByteReplyAtFirstBlock", 0, [](ScriptedLink& l, const RadioImage& m, std::size_t k) { l.Answer(reply(m, k, 11)); },
     "Not receive enough byte"},
    {"ElevenByteReplyAtBlock40", 40, [](ScriptedLink& l, const RadioImage& m, std::size_t k) { l.Answer(reply(m, k, 11)); },
     "Not receive enough byte"},
    {"ReplyReadFails", 40, [](ScriptedLink& l, const RadioImage&, std::size_t) { l.AnswerFailedCall(); },
     "Not receive enough byte"},
    {"NoAckAtBlock40", 40, [](ScriptedLink& l, const RadioImage& m, std::size_t k) { l.Answer(reply(m, k, 12)); },
     "Not receive ACK signal"},
    {"SynAckAtBlock40", 40,
     [](ScriptedLink& l, const RadioImage& m, std::size_t k) { l.Answer(reply(m, k, 12)); l.Answer({kSyn}); },
     "Not receive ACK signal"},
    {"NakAtLastBlock", 127,
     [](ScriptedLink& l, const RadioImage& m, std::size_t k) { l.Answer(reply(m, k, 12)); l.Answer({kNak}); },
     "Not receive ACK signal"},
};

class ReadBlockFault : public testing::TestWithParam<ReadFault> {};

TEST_P(ReadBlockFault, FailsWithItsMessageAndLeavesTheImageAsItWas)
{
    const ReadFault& c = GetParam();
    Bench bench;
    const RadioImage memory = PatternImage(17);
    ScriptOpening(bench.link);
    ScriptReadBlocks(bench.link, memory, 0, c.block);
    c.fault(bench.link, memory, c.block);
    ScriptReadBlocks(bench.link, memory, c.block + 1, RadioImage::kBlockCount);

    RadioImage image = PatternImage(99);
    const RadioImage before = image;
    EXPECT_EQ(bench.Run(TransferDirection::Read, image), TransferResult::Failed);
    EXPECT_EQ(image, before);
    ASSERT_EQ(Count(bench.journal, LinkEvent::Message), 1);
    EXPECT_EQ(Before(bench.journal, LinkEvent::Close).back().text, QString::fromLatin1(c.message));
    EXPECT_EQ(FrameAddresses(bench.journal, protocol::kReadBlock).size(), c.block + 1);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Progress), static_cast<int>(c.block));
    expectClosedOnceAtTheEnd(bench.journal);
}

INSTANTIATE_TEST_SUITE_P(Faults, ReadBlockFault, testing::ValuesIn(kReadFaults),
                         [](const testing::TestParamInfo<ReadFault>& info) { return std::string(info.param.name); });

// How the radio answers written block number `at` (counted in frames sent).
struct WriteAnswer {
    const char* name;
    std::size_t at;
    std::function<void(ScriptedLink&)> answer;
    TransferResult result;
};

void PrintTo(const WriteAnswer& c, std::ostream* os)
{
    *os << c.name;
}

const WriteAnswer kWriteAnswers[] = {
    {"SynCountsAsAcknowledged", 50, [](ScriptedLink& l) { l.Answer({kSyn}); }, TransferResult::Completed},
    {"NakFails", 50, [](ScriptedLink& l) { l.Answer({kNak}); }, TransferResult::Failed},
    {"SilenceFails", 0, [](ScriptedLink& l) { l.AnswerSilence(); }, TransferResult::Failed},
    {"FailedReadFails", 121, [](ScriptedLink& l) { l.AnswerFailedCall(); }, TransferResult::Failed},
};

class WriteBlockAnswer : public testing::TestWithParam<WriteAnswer> {};

TEST_P(WriteBlockAnswer, AcceptsAckOrSynOnly)
{
    const WriteAnswer& c = GetParam();
    Bench bench;
    ScriptOpening(bench.link);
    ScriptWriteAnswers(bench.link, c.at, kAck);
    c.answer(bench.link);
    ScriptWriteAnswers(bench.link, protocol::kWrittenBlockCount - c.at - 1, kAck);
    RadioImage image = PatternImage(21);
    EXPECT_EQ(bench.Run(TransferDirection::Write, image, kBand136To174), c.result);
    if (c.result == TransferResult::Completed) {
        EXPECT_EQ(Count(bench.journal, LinkEvent::Message), 0);
        EXPECT_EQ(FrameAddresses(bench.journal, protocol::kWriteBlock).size(), protocol::kWrittenBlockCount);
    } else {
        EXPECT_EQ(Before(bench.journal, LinkEvent::Close).back().text, QStringLiteral("Communication error"));
        EXPECT_EQ(FrameAddresses(bench.journal, protocol::kWriteBlock).size(), c.at + 1);
    }
    expectClosedOnceAtTheEnd(bench.journal);
}

INSTANTIATE_TEST_SUITE_P(Answers, WriteBlockAnswer, testing::ValuesIn(kWriteAnswers),
                         [](const testing::TestParamInfo<WriteAnswer>& info) { return std::string(info.param.name); });

// Cancel set by the j-th dispatch after block number i (counted in frames).
struct CancelCase {
    TransferDirection direction;
    int frame;
    int dispatch;
    TransferResult result;
    std::size_t framesSent;
};

void PrintTo(const CancelCase& c, std::ostream* os)
{
    *os << (c.direction == TransferDirection::Read ? "read" : "write") << " frame " << c.frame << " dispatch "
        << c.dispatch;
}

class BlockCancel : public testing::TestWithParam<CancelCase> {};

TEST_P(BlockCancel, IsSeenAtTheNextLookAndEndsWithoutAMessage)
{
    const CancelCase& c = GetParam();
    Bench bench;
    const RadioImage memory = PatternImage(23);
    ScriptTransfer(bench.link, c.direction, memory);
    const int perBlock = c.direction == TransferDirection::Read ? 9 : 10;
    bench.host.cancelFromDispatch = kWakeUpDispatches + perBlock * c.frame + c.dispatch;
    RadioImage image = PatternImage(1);
    const RadioImage before = image;
    EXPECT_EQ(bench.Run(c.direction, image, kBand136To174), c.result);
    const std::uint8_t kind = c.direction == TransferDirection::Read ? protocol::kReadBlock : protocol::kWriteBlock;
    EXPECT_EQ(FrameAddresses(bench.journal, kind).size(), c.framesSent);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Message), 0);
    if (c.result == TransferResult::Cancelled) {
        EXPECT_EQ(image, before);
    }
    expectClosedOnceAtTheEnd(bench.journal);
}

INSTANTIATE_TEST_SUITE_P(
    PollSites, BlockCancel,
    testing::Values(
        // A read looks right after each dispatch.
        CancelCase{TransferDirection::Read, 0, 1, TransferResult::Cancelled, 1},
        CancelCase{TransferDirection::Read, 63, 9, TransferResult::Cancelled, 64},
        CancelCase{TransferDirection::Read, 127, 9, TransferResult::Cancelled, 128},
        // A write looks before each dispatch: a Cancel that comes with the tenth
        // is seen only once the next block has gone out.
        CancelCase{TransferDirection::Write, 0, 1, TransferResult::Cancelled, 1},
        CancelCase{TransferDirection::Write, 0, 10, TransferResult::Cancelled, 2},
        CancelCase{TransferDirection::Write, 95, 10, TransferResult::Cancelled, 97},
        CancelCase{TransferDirection::Write, 121, 9, TransferResult::Cancelled, 122},
        CancelCase{TransferDirection::Write, 121, 10, TransferResult::Completed, 122}));

// Where the progress stands after each step, and what it shows.
std::vector<int> positions(const Journal& journal)
{
    std::vector<int> list;
    int at = 0;
    for (const LinkEvent& e : journal) {
        if (e.kind == LinkEvent::Progress)
            list.push_back(at += e.value);
    }
    return list;
}

TEST(Progress, ReadStepsOncePerBlockTo100Percent)
{
    Bench bench;
    ScriptTransfer(bench.link, TransferDirection::Read, PatternImage(3));
    RadioImage image;
    ASSERT_EQ(bench.Run(TransferDirection::Read, image), TransferResult::Completed);
    const std::vector<int> at = positions(bench.journal);
    ASSERT_EQ(at.size(), 128u);
    const int range = ProgressRange(TransferDirection::Read);
    EXPECT_EQ(ProgressPercentText(at[0], range), QStringLiteral("0%"));
    EXPECT_EQ(ProgressPercentText(at[63], range), QStringLiteral("50%"));
    EXPECT_EQ(ProgressPercentText(at[127], range), QStringLiteral("100%"));
}

TEST(Progress, WriteStepsFourTimesAtTheGapBeforeBlock100)
{
    Bench bench;
    ScriptTransfer(bench.link, TransferDirection::Write, RadioImage());
    RadioImage image;
    ASSERT_EQ(bench.Run(TransferDirection::Write, image, kBand136To174), TransferResult::Completed);
    const std::vector<int> at = positions(bench.journal);
    ASSERT_EQ(at.size(), 123u);
    const int range = ProgressRange(TransferDirection::Write);
    EXPECT_EQ(ProgressPercentText(at[95], range), QStringLiteral("76%"));
    EXPECT_EQ(ProgressPercentText(at[96], range), QStringLiteral("79%"));
    EXPECT_EQ(ProgressPercentText(at[122], range), QStringLiteral("100%"));
    EXPECT_NE(Describe(bench.journal).find("s1 p4 L w57.03.20.08 "), std::string::npos);
}

struct PercentCase {
    int position;
    int range;
    const char* text;
};

class PercentText : public testing::TestWithParam<PercentCase> {};

TEST_P(PercentText, DropsTheFraction)
{
    EXPECT_EQ(ProgressPercentText(GetParam().position, GetParam().range), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Positions, PercentText,
                         testing::Values(PercentCase{0, 128, "0%"}, PercentCase{1, 128, "0%"},
                                         PercentCase{2, 128, "1%"}, PercentCase{64, 128, "50%"},
                                         PercentCase{127, 128, "99%"}, PercentCase{96, 126, "76%"},
                                         PercentCase{100, 126, "79%"}, PercentCase{126, 126, "100%"}));

} // namespace
