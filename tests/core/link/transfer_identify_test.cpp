#include "support/link_fakes.h"

#include "link/protocol_bytes.h"
#include "link/transfer_protocol.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const std::string kPoll = "d c s1 ";
const LinkBytes kId136To174 = {0x64, 0x17, 0x13, 0, 0, 0, 0, 0};

struct DecodeCase {
    std::array<std::uint8_t, 3> head;
    RadioRange range;
};

class IdentificationDecode : public testing::TestWithParam<DecodeCase> {};

TEST_P(IdentificationDecode, ReadsTheRangeFromTheNibblesAndBack)
{
    const DecodeCase& c = GetParam();
    EXPECT_EQ(DecodeIdentification(c.head), c.range);
    const IdentificationHead head = EncodeIdentification(c.range);
    EXPECT_EQ((std::array<std::uint8_t, 3>{head.i0, head.i1, head.i2}), c.head);
}

INSTANTIATE_TEST_SUITE_P(Ranges, IdentificationDecode,
                         testing::Values(DecodeCase{{0x64, 0x17, 0x13}, {136, 174}},
                                         DecodeCase{{0x60, 0x48, 0x13}, {136, 480}},
                                         DecodeCase{{0x00, 0x52, 0x40}, {400, 520}}));

TEST(IdentificationDecode, NibblesAboveNineEnterTheSums)
{
    EXPECT_EQ(DecodeIdentification(std::array<std::uint8_t, 3>{0xFA, 0x0B, 0xC0}), (RadioRange{1215, 120}));
}

// The model check of a write, through the engine.
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
constexpr auto W = TransferDirection::Write;

const ModelCase kModelCases[] = {
    {"VhfBandOnVhfRadio", kRadio136To174, kBand136To174, W, true},
    {"UhfBandOnVhfRadio", kRadio136To174, kBand400To520, W, false},
    {"VhfBandOnWideRadio", k136To480, kBand136To174, W, true},
    {"UhfBandOnWideRadio", k136To480, kBand400To520, W, false},
    {"BandTopAboveTheRadio", kRadio136To174, {13600000, 17400001}, W, false},
    {"BandFootBelowTheRadio", kRadio136To174, {13599999, 17400000}, W, false},
    {"VhfBandOnUhfRadio", k400To520, kBand136To174, W, false},
    {"UhfBandOnUhfRadio", k400To520, kBand400To520, W, true},
    {"UhfBandFootBelowTheUhfRadio", k400To520, {39999999, 52000000}, W, false},
    {"UhfBandTopAboveTheUhfRadio", k400To520, {40000000, 52000001}, W, false},
    {"OtherRadioNeverCompared", {0x00, 0x52, 0x35}, kBand136To174, W, true},
    {"ReadMakesNoCheck", kRadio136To174, kBand400To520, TransferDirection::Read, true},
};

class ModelCheck : public testing::TestWithParam<ModelCase> {};

TEST_P(ModelCheck, RefusesABandOutsideTheRadiosRange)
{
    const ModelCase& c = GetParam();
    Bench bench;
    bench.link.Answer({protocol::kSyn});
    ScriptIdentification(bench.link, c.id);
    if (c.direction == W)
        ScriptWriteAnswers(bench.link, protocol::kWrittenBlockCount);
    else
        ScriptReadBlocks(bench.link, PatternImage(5), 0, RadioImage::kBlockCount);

    RadioImage image = PatternImage(9);
    const TransferResult result = bench.Run(c.direction, image, c.band);
    EXPECT_EQ(result, c.matches ? TransferResult::Completed : TransferResult::Failed);
    EXPECT_EQ(LastMessage(bench.journal), c.matches ? "" : "Model do not match");
    if (!c.matches) {
        // Nothing is acknowledged, let alone written, after a mismatch.
        EXPECT_EQ(Writes(bench.journal).back(), LinkBytes{protocol::kStx});
    }
}

INSTANTIATE_TEST_SUITE_P(Bands, ModelCheck, testing::ValuesIn(kModelCases),
                         [](const testing::TestParamInfo<ModelCase>& info) { return std::string(info.param.name); });

// What comes ahead of the identification, and whether it is then read right:
// the model check refuses the VHF band only if the 400-520 MHz range was
// decoded from the right bytes.
struct EchoCase {
    const char* name;
    LinkBytes ahead;
};

void PrintTo(const EchoCase& c, std::ostream* os)
{
    *os << c.name;
}

class IdentificationAfterEchoes : public testing::TestWithParam<EchoCase> {};

TEST_P(IdentificationAfterEchoes, IsTheLastEightBytes)
{
    Bench bench;
    bench.link.Answer({protocol::kSyn});
    LinkBytes reply = GetParam().ahead;
    reply.insert(reply.end(), {k400To520.i0, k400To520.i1, k400To520.i2, 0x00, 0x01, 0xFF, 0xFF, 0xFF});
    bench.link.Answer(reply);
    RadioImage image = PatternImage(9);
    EXPECT_EQ(bench.Run(W, image, kBand136To174), TransferResult::Failed);
    EXPECT_EQ(LastMessage(bench.journal), "Model do not match");
}

INSTANTIATE_TEST_SUITE_P(Cables, IdentificationAfterEchoes,
                         testing::Values(EchoCase{"NoEcho", {}}, EchoCase{"EchoOfTheStx", {protocol::kStx}},
                                         EchoCase{"EchoesOfModeByteAndStx", {protocol::kModeByte, protocol::kStx}}),
                         [](const testing::TestParamInfo<EchoCase>& info) { return std::string(info.param.name); });

// A reply that only begins like the STX's echo has nothing after it: the
// read of the rest times out and the eight bytes stand as the reply (here a
// range of no known model, so the band is not compared).
TEST(IdentificationLikeAnEcho, StandsWhenNothingFollowsIt)
{
    Bench bench;
    bench.link.Answer({protocol::kSyn});
    bench.link.Answer({protocol::kStx, 0x52, 0x40, 0x00, 0x01, 0xFF, 0xFF, 0xFF});
    bench.link.AnswerSilence();
    bench.link.Answer({protocol::kAck});
    RadioImage image = PatternImage(9);
    EXPECT_EQ(bench.Run(W, image, kBand136To174), TransferResult::Failed);
    EXPECT_EQ(LastMessage(bench.journal), "Communication error");
    EXPECT_NE(Describe(bench.journal).find("r8=02.52.40.00.01.FF.FF.FF r1= L w06 r1=06 "), std::string::npos);
}

// Identification steps that end in the retry prompt.
struct IdentifyCase {
    const char* name;
    std::function<void(ScriptedLink&)> answers; // after the SYN to the wake-up
    std::string beforePrompt;
};

void PrintTo(const IdentifyCase& c, std::ostream* os)
{
    *os << c.name;
}

const IdentifyCase kIdentifyCases[] = {
    {"ShortIdentification", [](ScriptedLink& l) { l.Answer({0x64, 0x17, 0x13, 0, 0, 0, 0}); },
     "w02 r8=64.17.13.00.00.00.00 RETRY "},
    {"IdentificationReadFails", [](ScriptedLink& l) { l.AnswerFailedCall(); }, "w02 r8! RETRY "},
    {"WrongAnswerToTheAck", [](ScriptedLink& l) { l.Answer(kId136To174); l.Answer({0x15}); },
     "L w06 r1=15 " + Repeat(kPoll, 601) + "RETRY "},
    {"NoAnswerToTheAck", [](ScriptedLink& l) { l.Answer(kId136To174); l.AnswerSilence(); },
     "L w06 r1= " + Repeat(kPoll, 601) + "RETRY "},
    {"AnswerReadFails", [](ScriptedLink& l) { l.Answer(kId136To174); l.AnswerFailedCall(); }, "L w06 r1! RETRY "},
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
    EXPECT_EQ(Count(bench.journal, LinkEvent::AskRetry), 1);
    const std::string description = Describe(bench.journal);
    const std::size_t prompt = description.find(c.beforePrompt);
    ASSERT_NE(prompt, std::string::npos);
    // After Retry the exchange starts again from the wake-up.
    EXPECT_EQ(description.substr(prompt + c.beforePrompt.size(), 7 * kPoll.size() + 2), Repeat(kPoll, 7) + "P ");
}

INSTANTIATE_TEST_SUITE_P(Steps, IdentificationFailure, testing::ValuesIn(kIdentifyCases),
                         [](const testing::TestParamInfo<IdentifyCase>& info) { return std::string(info.param.name); });

TEST(IdentificationFailure, CancelDuringThePollsAfterAWrongAnswerEndsThere)
{
    Bench bench;
    bench.link.Answer({protocol::kSyn});
    bench.link.Answer(kId136To174);
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
    const bool givesUp = refusals > TransferProtocol::kAckWriteRepeats;
    EXPECT_EQ(bench.Run(TransferDirection::Read, image), givesUp ? TransferResult::Failed : TransferResult::Completed);
    const int tries = std::min(refusals, TransferProtocol::kAckWriteRepeats + 1);
    EXPECT_EQ(Count(bench.journal, LinkEvent::Message), tries);
    EXPECT_EQ(LastMessage(bench.journal), "Communication");
    const std::string expected = "r8=64.17.13.00.00.00.00.00 " + Repeat("L w06 m ", tries) + (givesUp ? "X " : "L w06 r1=06 ");
    EXPECT_NE(Describe(bench.journal).find(expected), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Refusals, AckRefused, testing::Range(1, 6));

} // namespace
