#include "support/link_fakes.h"

#include "link/protocol_bytes.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr std::uint8_t kSyn = protocol::kSyn;
constexpr std::uint8_t kAck = protocol::kAck;
constexpr std::uint8_t kNoise = 0x3F;

const std::string kPoll = "d c s1 ";

std::string wakeUpBytes(int pauseMs)
{
    std::string text;
    for (std::uint8_t b : protocol::kWakeUp)
        text += "s" + std::to_string(pauseMs) + " L w" + Hex(std::span(&b, 1)) + " ";
    return text;
}

void silence(ScriptedLink& link, int reads)
{
    for (int i = 0; i < reads; ++i)
        link.AnswerSilence();
}

// What the radio says to the wake-up, what the user answers, how it ends.
struct WakeCase {
    const char* name;
    std::function<void(ScriptedLink&)> answers;
    std::vector<VersionAnswer> version;
    std::vector<RetryAnswer> retry;
    TransferResult result;
    int versionPrompts;
    int retryPrompts;
    int sequences; // wake-up sequences sent, one purge each
};

void PrintTo(const WakeCase& c, std::ostream* os)
{
    *os << c.name;
}

using V = VersionAnswer;
using R = RetryAnswer;
constexpr auto kDone = TransferResult::Completed;
constexpr auto kRefused = TransferResult::Refused;
const TransferResult kGaveUpOnSilence{TransferResult::Refused, FailureReason::NoAnswer};

const WakeCase kCases[] = {
    {"SynAtOnce", [](ScriptedLink& l) { l.Answer({kSyn}); }, {}, {}, kDone, 0, 0, 1},
    {"WrongByteThenSyn", [](ScriptedLink& l) { l.Answer({kNoise, kSyn}); }, {}, {}, kDone, 0, 0, 1},
    {"TwoWrongBytesFailTheAttempt", [](ScriptedLink& l) { l.Answer({kNoise, kNoise, kSyn}); }, {}, {}, kDone, 0, 0, 2},
    {"SilenceFailsTheAttempt", [](ScriptedLink& l) { silence(l, 2); l.Answer({kSyn}); }, {}, {}, kDone, 0, 0, 2},
    {"FailedReadFailsTheAttempt", [](ScriptedLink& l) { l.AnswerFailedCall(); l.Answer({kSyn}); }, {}, {}, kDone, 0, 0, 2},
    {"AckContinueAck", [](ScriptedLink& l) { l.Answer({kAck}); l.Answer({kAck}); }, {V::Continue}, {}, kDone, 1, 0, 2},
    {"AckContinueSyn", [](ScriptedLink& l) { l.Answer({kAck}); l.Answer({kSyn}); }, {V::Continue}, {}, kDone, 1, 0, 2},
    {"AckCancel", [](ScriptedLink& l) { l.Answer({kAck}); }, {V::Cancel}, {}, kRefused, 1, 0, 1},
    {"AckContinueSilence", [](ScriptedLink& l) { l.Answer({kAck}); silence(l, 2); l.Answer({kSyn}); }, {V::Continue}, {},
     kDone, 1, 0, 3},
    {"SilentFifteenTimesThenCancel", [](ScriptedLink& l) { silence(l, 30); }, {}, {R::Cancel}, kGaveUpOnSilence, 0, 1,
     15},
    {"SilentFifteenTimesThenRetry", [](ScriptedLink& l) { silence(l, 30); l.Answer({kSyn}); }, {}, {R::Retry}, kDone, 0, 1,
     16},
    {"RetryCountsFromOneAgain", [](ScriptedLink& l) { silence(l, 60); }, {}, {R::Retry, R::Cancel}, kGaveUpOnSilence, 0,
     2, 30},
};

class WakeUp : public testing::TestWithParam<WakeCase> {};

TEST_P(WakeUp, EndsAsTheRadioAndTheUserDecide)
{
    const WakeCase& c = GetParam();
    Bench bench;
    c.answers(bench.link);
    ScriptIdentification(bench.link);
    const RadioImage memory = PatternImage(3);
    ScriptReadBlocks(bench.link, memory, 0, RadioImage::kBlockCount);
    bench.host.versionAnswers.assign(c.version.begin(), c.version.end());
    bench.host.retryAnswers.assign(c.retry.begin(), c.retry.end());

    RadioImage image;
    EXPECT_EQ(bench.Run(TransferDirection::Read, image), c.result);
    EXPECT_EQ(Count(bench.journal, LinkEvent::AskVersion), c.versionPrompts);
    EXPECT_EQ(Count(bench.journal, LinkEvent::AskRetry), c.retryPrompts);
    EXPECT_EQ(Count(Before(bench.journal, LinkEvent::Progress), LinkEvent::PurgeAll), c.sequences);
    // Retry goes on with the port as it is: neither reopened nor set up again.
    EXPECT_EQ(Count(bench.journal, LinkEvent::Open) + Count(bench.journal, LinkEvent::Configure), 0);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Close), 1);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Message), 0);
    EXPECT_EQ(image == memory, c.result == kDone);
}

INSTANTIATE_TEST_SUITE_P(Answers, WakeUp, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<WakeCase>& info) { return std::string(info.param.name); });

TEST(WakeUpSequence, PollsPurgesThenSendsEachByteAfterAPauseAndAClear)
{
    Bench bench;
    ScriptTransfer(bench.link, TransferDirection::Read, PatternImage(1));
    RadioImage image;
    ASSERT_EQ(bench.Run(TransferDirection::Read, image), kDone);
    const std::string expected = Repeat(kPoll, 7) + "P " + wakeUpBytes(2) + "r1=16 s1 L w4D s1 L w02 r8=";
    EXPECT_EQ(Describe(bench.journal).substr(0, expected.size()), expected);
}

TEST(WakeUpSequence, ContinueResendsTheWakeUpWithShorterPausesAndNoSecondPrompt)
{
    Bench bench;
    bench.link.Answer({kAck});
    bench.link.Answer({kAck});
    ScriptIdentification(bench.link);
    bench.host.versionAnswers = {V::Continue};
    RadioImage image;
    static_cast<void>(bench.Run(TransferDirection::Read, image));
    const std::string expected = Repeat(kPoll, 7) + "P " + wakeUpBytes(2) + "r1=06 VERSION " + Repeat(kPoll, 7) +
                                 "P " + wakeUpBytes(1) + "r1=06 s1 L w4D ";
    EXPECT_EQ(Describe(bench.journal).substr(0, expected.size()), expected);
}

TEST(WakeUpSequence, ASilentRadioBringsThePromptAfterFifteenAttemptsOfTwoTimeOuts)
{
    Bench bench;
    RadioImage image;
    EXPECT_EQ(bench.Run(TransferDirection::Read, image), kRefused);
    // Each attempt: 7 polls of 1 ms, 7 pauses of 2 ms, two reads of 590 ms, 2 ms after the failure.
    EXPECT_EQ(bench.clock.Now(), 15 * std::chrono::milliseconds(7 + 7 * 2 + 2 * 590 + 2));
    const std::string description = Describe(bench.journal);
    EXPECT_NE(description.find(wakeUpBytes(2) + "r1= r1= s2 " + Repeat(kPoll, 7) + "P "), std::string::npos);
    EXPECT_TRUE(description.ends_with("r1= r1= s2 RETRY X "));
}

// Cancel is looked at after each of the seven dispatches before an attempt,
// and after each of the seven after Continue.
class WakeUpCancel : public testing::TestWithParam<int> {};

TEST_P(WakeUpCancel, StopsAtThatPollWithoutAMessage)
{
    const int dispatch = GetParam();
    Bench bench;
    bench.link.Answer({kAck});
    bench.host.versionAnswers = {V::Continue};
    bench.host.cancelFromDispatch = dispatch;
    RadioImage image;
    EXPECT_EQ(bench.Run(TransferDirection::Read, image), TransferResult::Cancelled);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Dispatch), dispatch);
    EXPECT_TRUE(Describe(bench.journal).ends_with("d c X "));
    EXPECT_EQ(Count(bench.journal, LinkEvent::Write), dispatch <= 7 ? 0 : 7);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Message), 0);
}

INSTANTIATE_TEST_SUITE_P(EachPoll, WakeUpCancel, testing::Range(1, 15));

} // namespace
