// Check Cable: the radio read twice over the same link, compared block by
// block, with what the line showed besides.

#include "support/link_fakes.h"

#include "link/cable_check.h"
#include "link/protocol_bytes.h"
#include "sim/sim_link.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace {

// Flips the lowest bit of the first memory byte of one block's reply.
class FlippingLink final : public SerialLink {
public:
    FlippingLink(SerialLink& inner, std::size_t block) : m_inner(inner), m_block(block) {}
    OpenStatus Open(const std::string& name) override { return m_inner.Open(name); }
    void Configure() override { m_inner.Configure(); }
    void PurgeAll() override { m_inner.PurgeAll(); }
    void Clear() override { m_inner.Clear(); }
    WriteResult Write(std::span<const std::uint8_t> bytes) override
    {
        if (bytes.size() == protocol::kFrameHeaderSize && bytes[0] == protocol::kReadBlock)
            m_requested = (std::size_t{bytes[1]} << 8 | bytes[2]) / protocol::kBlockSize;
        return m_inner.Write(bytes);
    }
    ReadResult Read(std::size_t n) override
    {
        ReadResult r = m_inner.Read(n);
        if (n == protocol::kReadReplySize && m_requested == m_block && r.bytes.size() == n)
            r.bytes[protocol::kFrameHeaderSize] ^= 0x01;
        return r;
    }
    void Sleep(std::chrono::milliseconds d) override { m_inner.Sleep(d); }
    void Close() override { m_inner.Close(); }

private:
    SerialLink& m_inner;
    std::size_t m_block;
    std::size_t m_requested = RadioImage::kBlockCount;
};

// Hands back each byte the program sends on its own (the wake-up, the M
// byte, the STX) ahead of the radio's answer, until the next clear.
class EchoingLink final : public SerialLink {
public:
    explicit EchoingLink(SerialLink& inner) : m_inner(inner) {}
    OpenStatus Open(const std::string& name) override { return m_inner.Open(name); }
    void Configure() override { m_inner.Configure(); }
    void PurgeAll() override { m_echo.clear(); m_inner.PurgeAll(); }
    void Clear() override { m_echo.clear(); m_inner.Clear(); }
    WriteResult Write(std::span<const std::uint8_t> bytes) override
    {
        if (bytes.size() == 1 && bytes[0] != protocol::kAck)
            m_echo.push_back(bytes[0]);
        return m_inner.Write(bytes);
    }
    ReadResult Read(std::size_t n) override
    {
        LinkBytes echoed;
        while (!m_echo.empty() && echoed.size() < n) {
            echoed.push_back(m_echo.front());
            m_echo.pop_front();
        }
        ReadResult r = echoed.size() < n ? m_inner.Read(n - echoed.size()) : ReadResult{true, {}};
        r.bytes.insert(r.bytes.begin(), echoed.begin(), echoed.end());
        return r;
    }
    void Sleep(std::chrono::milliseconds d) override { m_inner.Sleep(d); }
    void Close() override { m_inner.Close(); }

private:
    SerialLink& m_inner;
    std::deque<std::uint8_t> m_echo;
};

enum class Cable { Good, FlipsBlock37OnSecondRead, Echoes };

struct CheckCase {
    const char* name;
    RadioFault fault;
    Cable cable;
    TransferResult first;
    TransferResult second;
    std::vector<std::size_t> differing;
    std::size_t echoes, garbage, retries;
    const char* reportLine; // a line the report holds
};

class CableChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(CableChecks, ReportWhatTheTwoReadsAndTheLineShowed)
{
    const CheckCase& c = GetParam();
    struct SimPorts final : TransferPorts {
        explicit SimPorts(RadioFault fault) : radio(PatternImage(4), {{136, 174}, fault, 40}) {}
        SerialLink& LinkFor(const PortTarget&) override { return link; }
        VirtualClock clock;
        SimulatedRadio radio;
        SimLink link{radio, clock};
    } ports(c.fault);
    Journal journal;
    RecordingHost host{journal};
    CableCheck check(ports, host, [&] { return ports.clock.Now(); });
    int reads = 0;
    check.WrapLink([&](SerialLink& link) -> std::unique_ptr<SerialLink> {
        ++reads;
        if (c.cable == Cable::Echoes)
            return std::make_unique<EchoingLink>(link);
        const bool flip = c.cable == Cable::FlipsBlock37OnSecondRead && reads == 2;
        return std::make_unique<FlippingLink>(link, flip ? 37 : RadioImage::kBlockCount);
    });

    const CableCheckReport report = check.Run({true, "", "sim"});

    EXPECT_EQ(report.first, c.first);
    EXPECT_EQ(report.second, c.second);
    EXPECT_EQ(report.differingBlocks, c.differing);
    EXPECT_EQ(report.counts.echoes, c.echoes);
    EXPECT_EQ(report.counts.garbage, c.garbage);
    EXPECT_EQ(report.counts.retries, c.retries);
    if (report.first == TransferResult::Completed) {
        // The simulated line runs at 9600 baud: close to the line's limit, never above it.
        EXPECT_GT(report.bytesPerSecond, 0.9 * kLineMemoryBytesPerSecond);
        EXPECT_LE(report.bytesPerSecond, kLineMemoryBytesPerSecond);
    } else {
        EXPECT_EQ(report.bytesPerSecond, 0);
    }
    EXPECT_NE(("\n" + CableCheckText(report) + "\n").find(std::string("\n") + c.reportLine + "\n"), std::string::npos)
        << CableCheckText(report);
}

const TransferResult kDone = TransferResult::Completed;

INSTANTIATE_TEST_SUITE_P(
    All, CableChecks,
    testing::Values(
        CheckCase{"GoodCable", RadioFault::None, Cable::Good, kDone, kDone, {}, 0, 0, 0,
                  "The two reads agree: the cable carried the radio's 1024 bytes the same way twice."},
        CheckCase{"OneBitFlipped", RadioFault::None, Cable::FlipsBlock37OnSecondRead, kDone, kDone, {37}, 0, 0, 0,
                  "  Block 37 (0x128-0x12F)"},
        // The wake-up's last byte and the STX come back on every read.
        CheckCase{"Echo", RadioFault::None, Cable::Echoes, kDone, kDone, {}, 4, 0, 0,
                  "Echoes: 4 (bytes the cable handed back as they were sent)."},
        CheckCase{"NoiseBeforeTheAnswer", RadioFault::NoiseThenSyn, Cable::Good, kDone, kDone, {}, 0, 2, 0,
                  "Garbage: 2 (bytes that were neither the radio's answer nor an echo)."},
        // 15 attempts, then Cancel at the retry prompt: no second read.
        CheckCase{"SilentRadio", RadioFault::Silent, Cable::Good, {TransferResult::Refused, FailureReason::NoAnswer},
                  {TransferResult::Refused, FailureReason::NoAnswer}, {}, 0, 0, 14,
                  "The first read did not complete."}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

} // namespace
