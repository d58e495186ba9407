#include "link/protocol_bytes.h"
#include "link/serial_link.h"
#include "sim/demo_image.h"
#include "sim/simulated_radio.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr std::uint8_t kNak = 0x15;
const LinkBytes kWake(protocol::kWakeUp.begin(), protocol::kWakeUp.end());
const LinkBytes kIdentify = {protocol::kModeByte, protocol::kStx};
const LinkBytes kAckByte = {protocol::kAck};

LinkBytes operator+(LinkBytes a, const LinkBytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Feeds the bytes one byte time apart and returns the radio's answers.
struct Wire {
    SimulatedRadio radio;
    SimTime now{0};
    std::vector<RadioReply> last;

    explicit Wire(RadioOptions options = {}) : radio(DemoRadioImage(), options) {}

    LinkBytes send(const LinkBytes& bytes)
    {
        for (std::uint8_t b : bytes)
            radio.Receive(b, now += kByteTime);
        last = radio.TakeReplies();
        LinkBytes out;
        for (const RadioReply& r : last)
            out.push_back(r.byte);
        return out;
    }
};

LinkBytes request(std::uint8_t kind, std::size_t address)
{
    return {kind, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF), 0x08};
}

LinkBytes blockReply(const RadioImage& memory, std::size_t address)
{
    LinkBytes reply = request(protocol::kReadBlock, address);
    for (std::size_t i = 0; i < 8; ++i)
        reply.push_back(memory.byte(address + i));
    return reply;
}

const LinkBytes kReady = kWake + kIdentify + kAckByte;

struct Phase {
    const char* name;
    LinkBytes before;
};

void PrintTo(const Phase& p, std::ostream* os)
{
    *os << p.name;
}

class WakeUpHeard : public testing::TestWithParam<Phase> {};

TEST_P(WakeUpHeard, InEveryPhaseAndTheExchangeStartsOver)
{
    Wire wire;
    wire.send(GetParam().before);
    const LinkBytes answer = wire.send(kWake);
    ASSERT_FALSE(answer.empty());
    EXPECT_EQ(answer.back(), protocol::kSyn);
    const LinkBytes id = wire.send(kIdentify);
    ASSERT_EQ(id.size(), 8u);
    EXPECT_EQ(DecodeIdentification(std::span<const std::uint8_t, 3>(id.data(), 3)), (RadioRange{136, 174}));
}

INSTANTIATE_TEST_SUITE_P(
    Phases, WakeUpHeard,
    testing::Values(Phase{"Asleep", {}}, Phase{"Woken", kWake}, Phase{"AfterTheModeByte", kWake + LinkBytes{0x4D}},
                    Phase{"Identified", kWake + kIdentify}, Phase{"Ready", kReady},
                    Phase{"AwaitingTheBlockAck", kReady + request(protocol::kReadBlock, 0x28)},
                    Phase{"InsideAHeader", kReady + LinkBytes{0x57, 0x00}},
                    Phase{"AfterStrayBytes", kReady + LinkBytes{0x00, 0xFF}}),
    [](const testing::TestParamInfo<Phase>& info) { return std::string(info.param.name); });

class StrayBytes : public testing::TestWithParam<LinkBytes> {};

TEST_P(StrayBytes, DoNotMisalignTheNextRequest)
{
    Wire wire;
    wire.send(kReady);
    EXPECT_EQ(wire.send(GetParam() + request(protocol::kReadBlock, 0x28)), blockReply(DemoRadioImage(), 0x28));
}

INSTANTIATE_TEST_SUITE_P(Junk, StrayBytes,
                         testing::Values(LinkBytes{0x00}, LinkBytes{0xFF, 0x13}, LinkBytes{0x52},
                                         LinkBytes{0x57}, LinkBytes{0x52, 0x00}, LinkBytes{0x57, 0x04}));

TEST(SimulatedRadio, RefusesAddressesOutsideItsMemoryAndStaysInStep)
{
    Wire wire;
    wire.send(kReady);
    EXPECT_EQ(wire.send(request(protocol::kReadBlock, 0x400)), LinkBytes{kNak});
    EXPECT_EQ(wire.send(request(protocol::kReadBlock, 0x3FC)), LinkBytes{kNak});
    EXPECT_EQ(wire.send(request(protocol::kWriteBlock, 0x400) + LinkBytes(8, 0x11)), LinkBytes{kNak});
    EXPECT_EQ(wire.radio.memory(), DemoRadioImage());
    EXPECT_EQ(wire.send(request(protocol::kReadBlock, 0x3F8)), blockReply(DemoRadioImage(), 0x3F8));
}

TEST(SimulatedRadio, StoresWrittenBlocksAndAnswersNoSoonerThanTheLastByteArrived)
{
    Wire wire;
    wire.send(kReady);
    const LinkBytes data = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(wire.send(request(protocol::kWriteBlock, 0x28) + data), kAckByte);
    EXPECT_EQ(wire.last.front().notBefore, wire.now);
    const auto block = wire.radio.memory().block(5);
    EXPECT_EQ(LinkBytes(block.begin(), block.end()), data);
    EXPECT_EQ(wire.send(request(protocol::kReadBlock, 0x28)), request(protocol::kReadBlock, 0x28) + data);
    for (const RadioReply& r : wire.last)
        EXPECT_GE(r.notBefore, wire.now);
}

// What each fault does at the point where it strikes (block 5 for the block faults).
struct FaultCase {
    const char* name;
    RadioFault fault;
    LinkBytes before;
    LinkBytes sent;
    std::function<LinkBytes()> answer;
    bool stored;
};

void PrintTo(const FaultCase& c, std::ostream* os)
{
    *os << c.name;
}

const LinkBytes kWriteBlock5 = request(protocol::kWriteBlock, 0x28) + LinkBytes(8, 0x42);
const LinkBytes kReadBlock5 = request(protocol::kReadBlock, 0x28);

const FaultCase kFaults[] = {
    {"Silent", RadioFault::Silent, {}, kWake, [] { return LinkBytes{}; }, false},
    {"AckWakeUp", RadioFault::AckWakeUp, {}, kWake, [] { return kAckByte; }, false},
    {"NoiseThenSyn", RadioFault::NoiseThenSyn, {}, kWake, [] { return LinkBytes{0x3F, protocol::kSyn}; }, false},
    {"ShortIdentification", RadioFault::ShortIdentification, kWake, kIdentify,
     [] { return LinkBytes{0x64, 0x17, 0x13, 0x00, 0x01, 0xFF, 0xFF}; }, false},
    {"NakIdentification", RadioFault::NakIdentification, kWake + kIdentify, kAckByte, [] { return LinkBytes{kNak}; },
     false},
    {"ShortBlock", RadioFault::ShortBlock, kReady, kReadBlock5,
     [] {
         LinkBytes r = blockReply(DemoRadioImage(), 0x28);
         r.pop_back();
         return r;
     },
     false},
    {"NoBlockAck", RadioFault::NoBlockAck, kReady + kReadBlock5, kAckByte, [] { return LinkBytes{}; }, false},
    {"SynBlockAck", RadioFault::SynBlockAck, kReady + kReadBlock5, kAckByte, [] { return LinkBytes{protocol::kSyn}; },
     false},
    {"NakWrite", RadioFault::NakWrite, kReady, kWriteBlock5, [] { return LinkBytes{kNak}; }, false},
    {"SilentWrite", RadioFault::SilentWrite, kReady, kWriteBlock5, [] { return LinkBytes{}; }, false},
    {"SynWrite", RadioFault::SynWrite, kReady, kWriteBlock5, [] { return LinkBytes{protocol::kSyn}; }, true},
    // The first read of the block is right, the second has its first byte's lowest bit flipped.
    {"FlakyRead", RadioFault::FlakyRead, kReady + kReadBlock5 + kAckByte, kReadBlock5,
     [] {
         LinkBytes r = blockReply(DemoRadioImage(), 0x28);
         r[protocol::kFrameHeaderSize] ^= 0x01;
         return r;
     },
     false},
};

class Fault : public testing::TestWithParam<FaultCase> {};

TEST_P(Fault, StrikesWhereItShould)
{
    const FaultCase& c = GetParam();
    Wire wire({{136, 174}, c.fault, 5});
    wire.send(c.before);
    EXPECT_EQ(wire.send(c.sent), c.answer());
    EXPECT_EQ(wire.radio.memory().byte(0x28) == 0x42, c.stored);
    // Block 4 is never struck.
    if (c.before == kReady) {
        EXPECT_EQ(wire.send(request(protocol::kReadBlock, 0x20)), blockReply(wire.radio.memory(), 0x20));
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, Fault, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

} // namespace
