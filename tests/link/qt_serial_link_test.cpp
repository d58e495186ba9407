// The real-port link on a pseudo-terminal: the test holds the far end.

#include "link/qt_serial_link.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

class PseudoTerminal {
public:
    PseudoTerminal()
    {
        char name[256] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0)
            m_name = QString::fromLocal8Bit(name);
    }
    ~PseudoTerminal()
    {
        ::close(m_master);
        ::close(m_slave);
    }
    const QString& name() const { return m_name; }

    void send(const LinkBytes& bytes) { ASSERT_EQ(::write(m_master, bytes.data(), bytes.size()), ssize_t(bytes.size())); }

    // What the link has put on the line, waiting up to a second for count bytes.
    LinkBytes receive(std::size_t count)
    {
        LinkBytes bytes;
        const auto deadline = Clock::now() + 1s;
        while (bytes.size() < count && Clock::now() < deadline) {
            pollfd fd{m_master, POLLIN, 0};
            if (::poll(&fd, 1, 50) <= 0)
                continue;
            std::uint8_t buffer[256];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0)
                bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_name;
};

class QtSerialLinkTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(pty.name().isEmpty());
        ASSERT_TRUE(link.Open(pty.name()).ok());
        link.Configure();
    }

    PseudoTerminal pty;
    QtSerialLink link;
};

// Bytes the far end sends, each after a pause.
struct Burst {
    std::chrono::milliseconds after;
    std::size_t count;
};

struct ReadTiming {
    const char* name;
    std::size_t asked;
    std::vector<Burst> bursts;
    std::size_t got;
    std::chrono::milliseconds atLeast;
    std::chrono::milliseconds atMost;
};

void PrintTo(const ReadTiming& c, std::ostream* os)
{
    *os << c.name;
}

class ReadTimeOut : public QtSerialLinkTest, public testing::WithParamInterface<ReadTiming> {};

TEST_P(ReadTimeOut, EndsWhenAllAreInOrTheTotalOrTheGapRunsOut)
{
    const ReadTiming& c = GetParam();
    std::thread radio([this, &c] {
        for (const Burst& b : c.bursts) {
            std::this_thread::sleep_for(b.after);
            pty.send(LinkBytes(b.count, 0x16));
        }
    });
    const Clock::time_point start = Clock::now();
    const ReadResult r = link.Read(c.asked);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    radio.join();
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.bytes.size(), c.got);
    EXPECT_GE(took, c.atLeast);
    EXPECT_LE(took, c.atMost);
}

INSTANTIATE_TEST_SUITE_P(
    Line, ReadTimeOut,
    testing::Values(ReadTiming{"SilenceTakesTheWholeTimeOut", 1, {}, 0, 585ms, 750ms},
                    ReadTiming{"AllBytesEndTheReadAtOnce", 4, {{20ms, 4}}, 4, 15ms, 150ms},
                    ReadTiming{"AGapOver30msEndsIt", 8, {{10ms, 3}}, 3, 38ms, 200ms},
                    ReadTiming{"BytesUnder30msApartAllCount", 3, {{10ms, 1}, {15ms, 1}, {15ms, 1}}, 3, 35ms, 200ms},
                    ReadTiming{"ALateByteIsLeftOut", 2, {{10ms, 1}, {90ms, 1}}, 1, 38ms, 85ms}),
    [](const testing::TestParamInfo<ReadTiming>& info) { return std::string(info.param.name); });

TEST_F(QtSerialLinkTest, ClearRightAfterAWriteKeepsWhatWasWritten)
{
    LinkBytes sent;
    for (int i = 0; i < 200; ++i) {
        const LinkBytes one{static_cast<std::uint8_t>(i)};
        ASSERT_TRUE(link.Write(one).ok);
        link.Clear();
        sent.push_back(one[0]);
    }
    EXPECT_EQ(pty.receive(sent.size()), sent);
}

TEST_F(QtSerialLinkTest, ClearAndPurgeAllThrowAwayInputThatHasArrived)
{
    for (const bool purgeAll : {false, true}) {
        SCOPED_TRACE(purgeAll ? "purge all" : "clear");
        pty.send({0x01, 0x02, 0x03});
        std::this_thread::sleep_for(30ms);
        if (purgeAll)
            link.PurgeAll();
        else
            link.Clear();
        pty.send({0x06});
        const ReadResult r = link.Read(1);
        EXPECT_EQ(r.bytes, LinkBytes{0x06});
    }
}

TEST_F(QtSerialLinkTest, WriteReportsWhatWentOut)
{
    const LinkBytes frame{0x57, 0x00, 0x08, 0x08};
    const WriteResult w = link.Write(frame);
    EXPECT_TRUE(w.ok);
    EXPECT_EQ(w.count, frame.size());
    EXPECT_EQ(pty.receive(frame.size()), frame);
}

TEST_F(QtSerialLinkTest, APortInUseIsBusyUntilClosed)
{
    QtSerialLink second;
    const OpenStatus busy = second.Open(pty.name());
    EXPECT_EQ(busy.failure(), OpenFailure::Busy);
    EXPECT_FALSE(busy.systemText().isEmpty());
    link.Close();
    EXPECT_TRUE(second.Open(pty.name()).ok());
}

TEST(QtSerialLinkOpen, AMissingDeviceSaysSo)
{
    QtSerialLink link;
    const OpenStatus status = link.Open(QStringLiteral("/dev/hmprog-no-such-port"));
    EXPECT_EQ(status.failure(), OpenFailure::MissingDevice);
    EXPECT_FALSE(OpenFailureAdvice(status.failure()).isEmpty());
    EXPECT_FALSE(link.Read(1).ok);
    EXPECT_FALSE(link.Write(LinkBytes{0x06}).ok);
}

} // namespace
