#include "link_fakes.h"

#include "link/protocol_bytes.h"
#include "link/transfer_protocol.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::string polls(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "d c s1 ";
    return text;
}

struct DecodeCase {
    std::array<std::uint8_t, 3> head;
    RadioRange range;
};

class IdentificationDecode : public testing::TestWithParam<DecodeCase> {};

TEST_P(IdentificationDecode, ReadsTheRangeFromTheNibbles)
{
    const DecodeCase& c = GetParam();
    EXPECT_EQ(DecodeIdentification(c.head), c.range);
}

INSTANTIATE_TEST_SUITE_P(Ranges, IdentificationDecode,
                         testing::Values(DecodeCase{{0x64, 0x17, 0x13}, {136, 174}},
                                         DecodeCase{{0x60, 0x48, 0x13}, {136, 480}},
                                         DecodeCase{{0x00, 0x52, 0x40}, {400, 520}},
                                         // Nibbles above 9 are not rejected: they enter the sums.
                                         DecodeCase{{0xFA, 0x0B, 0xC0}, {1215, 120}}));

TEST(IdentificationEncode, GivesBackTheRangeItWasMadeFrom)
{
    for (const RadioRange range : {RadioRange{136, 174}, RadioRange{136, 480}, RadioRange{400, 520}}) {
        const IdentificationHead head = EncodeIdentification(range);
        const std::array<std::uint8_t, 3> bytes = {head.i0, head.i1, head.i2};
        EXPECT_EQ(DecodeIdentification(bytes), range) << range.lowMHz << "-" << range.highMHz;
    }
}

// The model check of a write, end to end through the engine.
struct ModelCase {
    const char* name;
    IdentificationHead id;
    BandLimits band;
    TransferDirection direction;
    bool matches;
};

void PrintTo(const ModelCase& c, std::ostream* os)
{
    *os << c.name;
}

constexpr IdentificationHead k136To480{0x60, 0x48, 0x13};
constexpr IdentificationHead k400To520{0x00, 0x52, 0x40};

const ModelCase kModelCases[] = {
    {"VhfBandOnVhfRadio", kRadio136To174, kBand136To174, TransferDirection::Write, true},
    {"UhfBandOnVhfRadio", kRadio136To174, kBand400To520, TransferDirection::Write, false},
    {"VhfBandOnWideRadio", k136To480, kBand136To174, TransferDirection::Write, true},
    {"UhfBandOnWideRadio", k136To480, kBand400To520, TransferDirection::Write, false},
    {"BandTopAboveTheRadio", kRadio136To174, {13600000, 17400001}, TransferDirection::Write, false},
    {"BandFootBelowTheRadio", kRadio136To174, {13599999, 17400000}, TransferDirection::Write, false},
    {"OtherRadioNeverCompared", k400To520, kBand136To174, TransferDirection::Write, true},
    {"ReadMakesNoCheck", kRadio136To174, kBand400To520, TransferDirection::Read, true},
};

class ModelCheck : public testing::TestWithParam<ModelCase> {};

TEST_P(ModelCheck, RefusesABandOutsideTheRadiosRange)
{
    const ModelCase& c = GetParam();
    Bench bench;
    const RadioImage memory = PatternImage(5);
    bench.link.Answer({protocol::kSyn});
    ScriptIdentification(bench.link, c.id);
    if (c.direction == TransferDirection::Read)
        ScriptReadBlocks(bench.link, memory, 0, RadioImage::kBlockCount);
    else
        ScriptWriteAnswers(bench.link, protocol::kWrittenBlockCount);

    RadioImage image = PatternImage(9);
    const TransferResult result = bench.Run(c.direction, image, c.band);
    if (c.matches) {
        EXPECT_EQ(result, TransferResult::Completed);
        EXPECT_EQ(Count(bench.journal, LinkEvent::Message), 0);
        return;
    }
    EXPECT_EQ(result, TransferResult::Failed);
    ASSERT_EQ(Count(bench.journal, LinkEvent::Message), 1);
    EXPECT_EQ(Before(bench.journal, LinkEvent::Close).back().text, QStringLiteral("Model do not match"));
    // Nothing is acknowledged, let alone written, after a mismatch.
    EXPECT_EQ(Writes(bench.journal).back(), LinkBytes{protocol::kStx});
}

INSTANTIATE_TEST_SUITE_P(Bands, ModelCheck, testing::ValuesIn(kModelCases),
                         [](const testing::TestParamInfo<ModelCase>& info) { return std::string(info.param.name); });

// Identification steps that end in the retry prompt.
struct IdentifyCase {
    const char* name;
    std::function<void(ScriptedLink&)> answers; // after the SYN to the wake-up
    std::string beforePrompt;                   // the events right before it
};

void PrintTo(const IdentifyCase& c, std::ostream* os)
{
    *os << c.name;
}

const IdentifyCase kIdentifyCases[] = {
    {"ShortIdentification", [](ScriptedLink& l) { l.Answer({0x64, 0x17, 0x13, 0, 0, 0, 0}); },
     "L r8=64.17.13.00.00.00.00 RETRY "},
    {"IdentificationReadFails", [](ScriptedLink& l) { l.AnswerFailedCall(); }, "L r8! RETRY "},
    {"WrongAnswerToTheAck",
     [](ScriptedLink& l) { l.Answer({0x64, 0x17, 0x13, 0, 0, 0, 0, 0}); l.Answer({0x15}); },
     "L w06 r1=15 " + polls(601) + "RETRY "},
    {"NoAnswerToTheAck", [](ScriptedLink& l) { l.Answer({0x64, 0x17, 0x13, 0, 0, 0, 0, 0}); l.AnswerSilence(); },
     "L w06 r1= " + polls(601) + "RETRY "},
    {"AnswerReadFails", [](ScriptedLink& l) { l.Answer({0x64, 0x17, 0x13, 0, 0, 0, 0, 0}); l.AnswerFailedCall(); },
     "L w06 r1! RETRY "},
};

class IdentificationFailure : public testing::TestWithParam<IdentifyCase> {};

TEST_P(IdentificationFailure, AsksToRetryAndRetryWakesTheRadioAgain)
{
    const IdentifyCase& c = GetParam();
    Bench bench;
    bench.link.Answer({protocol::kSyn});
    c.answers(bench.link);
    ScriptTransfer(bench.link, TransferDirection::Read, PatternImage(2));
    bench.host.retryAnswers = {RetryAnswer::Retry};

    RadioImage image;
    EXPECT_EQ(bench.Run(TransferDirection::Read, image), TransferResult::Completed);
    const std::string description = Describe(bench.journal);
    const std::size_t prompt = description.find("RETRY ");
    ASSERT_NE(prompt, std::string::npos);
    EXPECT_EQ(description.rfind(c.beforePrompt, prompt + 6) + c.beforePrompt.size(), prompt + 6)
        << description.substr(prompt > 80 ? prompt - 80 : 0, 120);
    // After Retry the exchange starts again from the wake-up.
    EXPECT_EQ(description.substr(prompt + 6, polls(7).size() + 2), polls(7) + "P ");
    EXPECT_EQ(Count(bench.journal, LinkEvent::AskRetry), 1);
}

INSTANTIATE_TEST_SUITE_P(Steps, IdentificationFailure, testing::ValuesIn(kIdentifyCases),
                         [](const testing::TestParamInfo<IdentifyCase>& info) { return std::string(info.param.name); });

TEST(IdentificationFailure, CancelDuringThePollsAfterAWrongAnswerEndsThere)
{
    Bench bench;
    bench.link.Answer({protocol::kSyn});
    bench.link.Answer({0x64, 0x17, 0x13, 0, 0, 0, 0, 0});
    bench.link.Answer({0x15});
    bench.host.cancelFromDispatch = 7 + 300;
    RadioImage image;
    EXPECT_EQ(bench.Run(TransferDirection::Read, image), TransferResult::Cancelled);
    EXPECT_EQ(Count(bench.journal, LinkEvent::AskRetry), 0);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Dispatch), 7 + 300);
}

// A port that refuses the ACK after the identification: each refusal is
// announced, and after three more tries the transfer gives up.
class AckRefused : public testing::TestWithParam<int> {};

TEST_P(AckRefused, IsRepeatedAFewTimesThenFails)
{
    const int refusals = GetParam();
    Bench bench;
    ScriptTransfer(bench.link, TransferDirection::Read, PatternImage(4));
    bench.link.RefuseAckWrites(refusals);
    RadioImage image;
    const TransferResult result = bench.Run(TransferDirection::Read, image);
    const bool givesUp = refusals > TransferProtocol::kAckWriteRepeats;
    EXPECT_EQ(result, givesUp ? TransferResult::Failed : TransferResult::Completed);
    const int attempts = std::min(refusals, TransferProtocol::kAckWriteRepeats + 1);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Message), attempts);
    const std::string description = Describe(bench.journal);
    std::string expected = "L r8=64.17.13.00.00.00.00.00 ";
    for (int i = 0; i < attempts; ++i)
        expected += "L w06 m ";
    expected += givesUp ? "X " : "L w06 r1=06 ";
    EXPECT_NE(description.find(expected), std::string::npos) << description.substr(0, 400);
}

INSTANTIATE_TEST_SUITE_P(Refusals, AckRefused, testing::Range(1, 6));

} // namespace
