#include "link_fakes.h"

#include "link/protocol_bytes.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr std::uint8_t kSyn = protocol::kSyn;
constexpr std::uint8_t kAck = protocol::kAck;
constexpr std::uint8_t kNoise = 0x3F;

std::string polls(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "d c s1 ";
    return text;
}

std::string wakeUpBytes(int pauseMs)
{
    static const char* hex[] = {"02", "50", "52", "4F", "47", "52", "41"};
    std::string text;
    for (const char* b : hex)
        text += "s" + std::to_string(pauseMs) + " L w" + b + " ";
    return text;
}

// What the radio says to the wake-up, what the user answers, and how the
// transfer goes on.
struct WakeCase {
    const char* name;
    std::function<void(ScriptedLink&)> answers;
    std::vector<VersionAnswer> version;
    std::vector<RetryAnswer> retry;
    TransferResult result;
    int versionPrompts;
    int retryPrompts;
    int purges; // one per wake-up sequence sent
};

void silence(ScriptedLink& link, int reads)
{
    for (int i = 0; i < reads; ++i)
        link.AnswerSilence();
}

const WakeCase kCases[] = {
    {"SynAtOnce", [](ScriptedLink& l) { l.Answer({kSyn}); }, {}, {}, TransferResult::Completed, 0, 0, 1},
    {"WrongByteThenSyn", [](ScriptedLink& l) { l.Answer({kNoise, kSyn}); }, {}, {}, TransferResult::Completed, 0, 0, 1},
    {"TwoWrongBytesFailTheAttempt", [](ScriptedLink& l) { l.Answer({kNoise, kNoise, kSyn}); }, {}, {},
     TransferResult::Completed, 0, 0, 2},
    {"SilentThenSyn", [](ScriptedLink& l) { silence(l, 2); l.Answer({kSyn}); }, {}, {}, TransferResult::Completed, 0, 0, 2},
    {"FailedReadCallFailsTheAttempt", [](ScriptedLink& l) { l.AnswerFailedCall(); l.Answer({kSyn}); }, {}, {},
     TransferResult::Completed, 0, 0, 2},
    {"AckThenContinueAck", [](ScriptedLink& l) { l.Answer({kAck}); l.Answer({kAck}); }, {VersionAnswer::Continue}, {},
     TransferResult::Completed, 1, 0, 2},
    {"AckThenContinueSyn", [](ScriptedLink& l) { l.Answer({kAck}); l.Answer({kSyn}); }, {VersionAnswer::Continue}, {},
     TransferResult::Completed, 1, 0, 2},
    {"AckThenCancel", [](ScriptedLink& l) { l.Answer({kAck}); }, {VersionAnswer::Cancel}, {}, TransferResult::Refused, 1,
     0, 1},
    {"AckThenContinueSilentIsAFailedAttempt",
     [](ScriptedLink& l) { l.Answer({kAck}); silence(l, 2); l.Answer({kSyn}); }, {VersionAnswer::Continue}, {},
     TransferResult::Completed, 1, 0, 3},
    {"SilentFifteenTimesThenCancel", [](ScriptedLink& l) { silence(l, 30); }, {}, {RetryAnswer::Cancel},
     TransferResult::Refused, 0, 1, 15},
    {"SilentFifteenTimesThenRetry", [](ScriptedLink& l) { silence(l, 30); l.Answer({kSyn}); }, {}, {RetryAnswer::Retry},
     TransferResult::Completed, 0, 1, 16},
    {"RetryStartsTheCountAgain", [](ScriptedLink& l) { silence(l, 60); }, {}, {RetryAnswer::Retry, RetryAnswer::Cancel},
     TransferResult::Refused, 0, 2, 30},
};

void PrintTo(const WakeCase& c, std::ostream* os)
{
    *os << c.name;
}

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
    EXPECT_EQ(Count(Before(bench.journal, LinkEvent::Progress), LinkEvent::PurgeAll), c.purges);
    // A Retry goes on on the port as it is: it is neither reopened nor set up again.
    EXPECT_EQ(Count(bench.journal, LinkEvent::Open) + Count(bench.journal, LinkEvent::Configure), 0);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Close), 1);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Message), 0);
    if (c.result == TransferResult::Completed) {
        EXPECT_EQ(image, memory);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, WakeUp, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<WakeCase>& info) { return std::string(info.param.name); });

TEST(WakeUpSequence, PollsPurgesThenSendsEachByteAfterAPauseAndAClear)
{
    Bench bench;
    ScriptTransfer(bench.link, TransferDirection::Read, PatternImage(1));
    RadioImage image;
    ASSERT_EQ(bench.Run(TransferDirection::Read, image), TransferResult::Completed);
    const std::string expected = polls(7) + "P " + wakeUpBytes(2) + "r1=16 s1 L w4D s1 L w02 L r8=";
    EXPECT_EQ(Describe(bench.journal).substr(0, expected.size()), expected);
}

TEST(WakeUpSequence, ContinueResendsTheWakeUpWithShorterPausesAndNoSecondPrompt)
{
    Bench bench;
    bench.link.Answer({kAck});
    bench.link.Answer({kAck});
    ScriptIdentification(bench.link);
    bench.host.versionAnswers = {VersionAnswer::Continue};
    RadioImage image;
    static_cast<void>(bench.Run(TransferDirection::Read, image));
    const std::string expected = polls(7) + "P " + wakeUpBytes(2) + "r1=06 VERSION " + polls(7) + "P " +
                                 wakeUpBytes(1) + "r1=06 s1 L w4D ";
    EXPECT_EQ(Describe(bench.journal).substr(0, expected.size()), expected);
}

TEST(WakeUpSequence, ASilentRadioBringsThePromptAfterFifteenAttemptsOfTwoReadTimeOuts)
{
    Bench bench;
    RadioImage image;
    EXPECT_EQ(bench.Run(TransferDirection::Read, image), TransferResult::Refused);
    // Each attempt: 7 polls of 1 ms, 7 pauses of 2 ms, two reads of 590 ms, 2 ms after the failure.
    const auto attempt = std::chrono::milliseconds(7 * 1 + 7 * 2 + 2 * 590 + 2);
    EXPECT_EQ(bench.clock.Now(), 15 * attempt);
    const std::string failed = "r1= r1= s2 ";
    const std::string description = Describe(bench.journal);
    EXPECT_NE(description.find(wakeUpBytes(2) + failed + polls(7) + "P "), std::string::npos);
    EXPECT_NE(description.rfind(failed + "RETRY X "), std::string::npos);
}

// Cancel is looked at after each of the seven dispatches before an attempt,
// and after each of the seven after Continue.
class WakeUpCancel : public testing::TestWithParam<int> {};

TEST_P(WakeUpCancel, StopsAtThatPollWithoutAMessage)
{
    const int dispatch = GetParam();
    Bench bench;
    bench.link.Answer({kAck});
    bench.host.versionAnswers = {VersionAnswer::Continue};
    bench.host.cancelFromDispatch = dispatch;
    RadioImage image;
    EXPECT_EQ(bench.Run(TransferDirection::Read, image), TransferResult::Cancelled);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Dispatch), dispatch);
    EXPECT_EQ(bench.journal.back().kind, LinkEvent::Close);
    EXPECT_EQ(bench.journal[bench.journal.size() - 2].kind, LinkEvent::CancelCheck);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Write), dispatch <= 7 ? 0 : 7);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Message), 0);
}

INSTANTIATE_TEST_SUITE_P(EachPoll, WakeUpCancel, testing::Range(1, 15));

} // namespace
