// The engine against the simulated radio in process, on a virtual clock.

#include "link/link_fakes.h"

#include "link/protocol_bytes.h"
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

    SimRun(const RadioImage& memory, RadioOptions options) : radio(memory, options) {}

    TransferResult transfer(TransferDirection direction, RadioImage& image, BandLimits band)
    {
        EXPECT_TRUE(link.Open(QStringLiteral("sim")).ok());
        TransferProtocol protocol(link, host);
        return protocol.Run(direction, image, band);
    }
};

struct SimCase {
    const char* name;
    RadioOptions radio;
    TransferDirection direction;
    BandLimits band;
    std::vector<VersionAnswer> version;
    TransferResult result;
    const char* message; // the last one shown, if any
    int retryPrompts;
};

void PrintTo(const SimCase& c, std::ostream* os)
{
    *os << c.name;
}

constexpr RadioRange kVhf{136, 174};
constexpr RadioRange kWide{136, 480};
constexpr RadioRange kUhf{400, 520};
constexpr auto R = TransferDirection::Read;
constexpr auto W = TransferDirection::Write;
constexpr auto kDone = TransferResult::Completed;
constexpr auto kFailed = TransferResult::Failed;
constexpr auto kRefused = TransferResult::Refused;
const std::vector<VersionAnswer> kContinue = {VersionAnswer::Continue};

const SimCase kCases[] = {
    {"Read", {kVhf}, R, {}, {}, kDone, "", 0},
    {"Write", {kVhf}, W, kBand136To174, {}, kDone, "", 0},
    {"WriteVhfToWideRadio", {kWide}, W, kBand136To174, {}, kDone, "", 0},
    {"WriteUhfToVhfRadio", {kVhf}, W, kBand400To520, {}, kFailed, "Model do not match", 0},
    {"WriteUhfToWideRadio", {kWide}, W, kBand400To520, {}, kFailed, "Model do not match", 0},
    {"WriteVhfToUhfRadioIsNotCompared", {kUhf}, W, kBand136To174, {}, kDone, "", 0},
    {"SilentRadio", {kVhf, RadioFault::Silent}, R, {}, {}, kRefused, "", 1},
    {"AckWakeUpContinue", {kVhf, RadioFault::AckWakeUp}, R, {}, kContinue, kDone, "", 0},
    {"AckWakeUpCancel", {kVhf, RadioFault::AckWakeUp}, R, {}, {}, kRefused, "", 0},
    {"NoiseThenSyn", {kVhf, RadioFault::NoiseThenSyn}, W, kBand136To174, {}, kDone, "", 0},
    {"ShortIdentification", {kVhf, RadioFault::ShortIdentification}, R, {}, {}, kRefused, "", 1},
    {"NakIdentification", {kVhf, RadioFault::NakIdentification}, R, {}, {}, kRefused, "", 1},
    {"ShortBlock", {kVhf, RadioFault::ShortBlock, 40}, R, {}, {}, kFailed, "Not receive enough byte", 0},
    {"NoBlockAck", {kVhf, RadioFault::NoBlockAck, 127}, R, {}, {}, kFailed, "Not receive ACK signal", 0},
    {"SynBlockAck", {kVhf, RadioFault::SynBlockAck, 0}, R, {}, {}, kFailed, "Not receive ACK signal", 0},
    {"NakWrite", {kVhf, RadioFault::NakWrite, 100}, W, kBand136To174, {}, kFailed, "Communication error", 0},
    {"SilentWrite", {kVhf, RadioFault::SilentWrite, 0}, W, kBand136To174, {}, kFailed, "Communication error", 0},
    {"SynWrite", {kVhf, RadioFault::SynWrite}, W, kBand136To174, {}, kDone, "", 0},
};

class SimTransfer : public testing::TestWithParam<SimCase> {};

TEST_P(SimTransfer, EndsAsTheRadioBehaves)
{
    const SimCase& c = GetParam();
    const RadioImage memory = PatternImage(31);
    SimRun run(memory, c.radio);
    run.host.versionAnswers.assign(c.version.begin(), c.version.end());
    RadioImage image = PatternImage(77);
    const RadioImage before = image;

    EXPECT_EQ(run.transfer(c.direction, image, c.band), c.result);
    EXPECT_FALSE(run.link.isOpen());
    EXPECT_EQ(Count(run.journal, LinkEvent::AskRetry), c.retryPrompts);
    const Journal messages = [&] {
        Journal m;
        for (const LinkEvent& e : run.journal)
            if (e.kind == LinkEvent::Message)
                m.push_back(e);
        return m;
    }();
    EXPECT_EQ(messages.empty() ? QString() : messages.back().text, QString::fromLatin1(c.message));

    if (c.direction == R) {
        EXPECT_EQ(image, c.result == kDone ? memory : before);
        return;
    }
    EXPECT_EQ(image, before);
    if (c.result != kDone)
        return;
    // The radio holds the image, except where a write never goes.
    for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
        const bool leftAlone = (a >= 0x300 && a < 0x320) || a >= 0x3F0;
        ASSERT_EQ(run.radio.memory().byte(a), leftAlone ? memory.byte(a) : image.byte(a)) << a;
    }
}

INSTANTIATE_TEST_SUITE_P(Radios, SimTransfer, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<SimCase>& info) { return std::string(info.param.name); });

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
    for (const Expect& e : {Expect{R, 18, 128, 23ms}, Expect{W, 13, 122, 23ms + 122ms}}) {
        SCOPED_TRACE(e.direction == R ? "read" : "write");
        SimRun run(PatternImage(3), {kVhf});
        RadioImage image;
        ASSERT_EQ(run.transfer(e.direction, image, kBand136To174), kDone);
        const SimTime lower = kByteTime * (e.blocks * e.blockBytes);
        const SimTime limit = kByteTime * (20 + e.blocks * e.blockBytes) + e.pauses;
        EXPECT_GE(run.clock.Now(), lower);
        EXPECT_LE(run.clock.Now(), limit);
    }
}

TEST(SimLine, RetryAfterAFailedIdentificationWakesTheRadioAgain)
{
    SimRun run(PatternImage(3), {kVhf, RadioFault::NakIdentification});
    run.host.retryAnswers = {RetryAnswer::Retry, RetryAnswer::Retry, RetryAnswer::Cancel};
    RadioImage image;
    EXPECT_EQ(run.transfer(R, image, {}), kRefused);
    // Each Retry reached the identification again, so the radio heard every wake-up.
    EXPECT_EQ(Count(run.journal, LinkEvent::AskRetry), 3);
    EXPECT_EQ(Count(run.journal, LinkEvent::Dispatch), 3 * (7 + 601));
}

} // namespace
