// One transfer as the programs run it: the port, the open, the trace, the end.

#include "support/link_fakes.h"

#include "link/transfer_session.h"
#include "sim/sim_link.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct LineSink final : TraceSink {
    std::vector<std::string> lines;
    void Line(std::string_view text) override { lines.emplace_back(text); }
};

// The scripted link for every port, with the target it was asked for.
struct ScriptedPorts final : TransferPorts {
    explicit ScriptedPorts(ScriptedLink& l) : link(l) {}
    SerialLink& LinkFor(const PortTarget& target) override
    {
        asked.push_back(target.device);
        return link;
    }
    ScriptedLink& link;
    std::vector<std::string> asked;
};

PortTarget device(std::string path)
{
    return {false, path, path};
}

TEST(TransferSession, APortThatStandsForNoDeviceFailsAsMissingWithoutOpening)
{
    Bench bench;
    ScriptedPorts ports(bench.link);
    TransferSession session(ports, bench.host);
    RadioImage image;
    const TransferResult result = session.Run({false, "", "COM3"}, TransferDirection::Read, image, {});
    EXPECT_EQ(result, (TransferResult{TransferResult::Failed, FailureReason::OpenFailed}));
    EXPECT_EQ(Count(bench.journal, LinkEvent::Open), 0);
    EXPECT_EQ(session.OpenFailureText("COM3"),
              "COM3: no serial device stands for this port. The device is missing: plug in the programming cable "
              "and check the port's name.");
}

TEST(TransferSession, OpensConfiguresRunsAndClosesTracingEveryStep)
{
    Bench bench;
    ScriptTransfer(bench.link, TransferDirection::Read, PatternImage(5));
    ScriptedPorts ports(bench.link);
    LineSink trace;
    TransferSession session(ports, bench.host);
    session.TraceInto(&trace);
    RadioImage image;
    EXPECT_EQ(session.Run(device("/dev/ttyUSB0"), TransferDirection::Read, image, {}), TransferResult::Completed);
    EXPECT_EQ(image.bytes(), PatternImage(5).bytes());
    EXPECT_EQ(ports.asked, std::vector<std::string>{"/dev/ttyUSB0"});
    ASSERT_GE(trace.lines.size(), 3U);
    EXPECT_NE(trace.lines.front().find("open /dev/ttyUSB0"), std::string::npos);
    EXPECT_NE(trace.lines[1].find("configure 9600 8N1"), std::string::npos);
    EXPECT_NE(trace.lines.back().find("close"), std::string::npos);
    EXPECT_EQ(std::string(Describe(bench.journal)).substr(0, 4), "O K ");
}

// Why a transfer failed, for the hosts to act on without reading the message.
struct ReasonCase {
    const char* name;
    RadioFault fault;
    TransferDirection direction;
    RadioRange range;
    TransferResult expected;
    bool partlyWritten;
};

class SessionReasons : public testing::TestWithParam<ReasonCase> {};

TEST_P(SessionReasons, SayWhyTheTransferEnded)
{
    const ReasonCase& c = GetParam();
    struct SimPorts final : TransferPorts {
        SimPorts(const ReasonCase& c) : radio(PatternImage(2), {c.range, c.fault, 40}) {}
        SerialLink& LinkFor(const PortTarget&) override { return link; }
        VirtualClock clock;
        SimulatedRadio radio;
        SimLink link{radio, clock};
    } ports(c);
    Journal journal;
    RecordingHost host{journal};
    TransferSession session(ports, host);
    RadioImage image = PatternImage(9);
    EXPECT_EQ(session.Run({true, "", "Simulated radio"}, c.direction, image, {13600000, 17400000}), c.expected);
    EXPECT_EQ(session.LeftPartlyWritten(), c.partlyWritten);
    EXPECT_FALSE(ports.link.isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    All, SessionReasons,
    testing::Values(
        ReasonCase{"Completed", RadioFault::None, TransferDirection::Write, {136, 174}, TransferResult::Completed, false},
        ReasonCase{"Silent", RadioFault::Silent, TransferDirection::Read, {136, 174},
                   {TransferResult::Refused, FailureReason::NoAnswer}, false},
        ReasonCase{"ShortIdentification", RadioFault::ShortIdentification, TransferDirection::Read, {136, 174},
                   {TransferResult::Refused, FailureReason::ShortReply}, false},
        ReasonCase{"NakIdentification", RadioFault::NakIdentification, TransferDirection::Read, {136, 174},
                   {TransferResult::Refused, FailureReason::NoAck}, false},
        ReasonCase{"ShortBlock", RadioFault::ShortBlock, TransferDirection::Read, {136, 174},
                   {TransferResult::Failed, FailureReason::ShortReply}, false},
        ReasonCase{"NoBlockAck", RadioFault::NoBlockAck, TransferDirection::Read, {136, 174},
                   {TransferResult::Failed, FailureReason::NoAck}, false},
        ReasonCase{"NakWrite", RadioFault::NakWrite, TransferDirection::Write, {136, 174},
                   {TransferResult::Failed, FailureReason::NoAck}, true},
        ReasonCase{"ModelMismatch", RadioFault::None, TransferDirection::Write, {400, 520},
                   {TransferResult::Failed, FailureReason::ModelMismatch}, false},
        ReasonCase{"VersionRefused", RadioFault::AckWakeUp, TransferDirection::Read, {136, 174},
                   TransferResult::Refused, false}),
    [](const testing::TestParamInfo<ReasonCase>& info) { return std::string(info.param.name); });

} // namespace
