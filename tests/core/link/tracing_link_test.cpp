#include "support/link_fakes.h"

#include "link/tracing_link.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace {

struct LineSink final : TraceSink {
    std::vector<std::string> lines;
    void Line(std::string_view text) override { lines.emplace_back(text); }
};

TEST(TracingLink, WritesEveryByteWithItsDirectionAndTime)
{
    Bench bench;
    LineSink sink;
    TracingLink trace(bench.link, sink);

    bench.link.Answer({0x16});
    bench.link.Answer({0x06});
    bench.link.AnswerFailedCall();
    ASSERT_TRUE(trace.Open("/dev/ttyUSB0").ok());
    trace.Configure();
    trace.PurgeAll();
    EXPECT_TRUE(trace.Write(LinkBytes{0x02, 0x50}).ok);
    trace.Sleep(std::chrono::milliseconds(2));
    EXPECT_EQ(trace.Read(1).bytes, LinkBytes{0x16});
    EXPECT_EQ(trace.Read(3).bytes, LinkBytes{0x06});
    EXPECT_FALSE(trace.Read(8).ok);
    trace.Clear();
    trace.Close();
    // Everything reached the link underneath, in order, the pause too.
    EXPECT_EQ(Describe(bench.journal), "O K P w02.50 s2 r1=16 r3=06 r8! L X ");

    const std::vector<std::string> expected = {
        "open /dev/ttyUSB0", "configure 9600 8N1", "purge all", "TX 02 50", "RX 16", "RX 06 (timed out, 1 of 3)",
        "RX (read failed, 0 of 8)", "clear", "close",
    };
    ASSERT_EQ(sink.lines.size(), expected.size());
    const std::regex line("^ *(\\d+\\.\\d{3}) (.*)$");
    double previous = 0;
    for (std::size_t i = 0; i < sink.lines.size(); ++i) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(sink.lines[i], m, line)) << sink.lines[i];
        EXPECT_EQ(m[2].str(), expected[i]);
        EXPECT_GE(std::stod(m[1].str()), previous);
        previous = std::stod(m[1].str());
    }
}

TEST(TracingLink, AFailedOpenIsTracedWithTheSystemsReason)
{
    struct RefusingLink final : SerialLink {
        OpenStatus Open(const std::string&) override
        {
            return OpenStatus::Failed(OpenFailure::Busy, "Device or resource busy");
        }
        void Configure() override {}
        void PurgeAll() override {}
        void Clear() override {}
        WriteResult Write(std::span<const std::uint8_t>) override { return {}; }
        ReadResult Read(std::size_t) override { return {}; }
        void Sleep(std::chrono::milliseconds) override {}
        void Close() override {}
    } refusing;
    LineSink sink;
    TracingLink trace(refusing, sink);
    EXPECT_EQ(trace.Open("/dev/ttyUSB0").failure(), OpenFailure::Busy);
    ASSERT_EQ(sink.lines.size(), 1U);
    EXPECT_NE(sink.lines[0].find("open /dev/ttyUSB0 failed: Device or resource busy"), std::string::npos);
}

} // namespace
