// The engine against a radio that answers at random, seeded: it must always
// come back to the user within the time-outs, and report a completed transfer
// only when every block was acknowledged.

#include "link/protocol_bytes.h"
#include "link/read_timeouts.h"
#include "link/transfer_protocol.h"
#include "sim/sim_clock.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

namespace {

using namespace std::chrono_literals;

// Answers every read with the right number of bytes, each ACK or SYN for a
// one-byte read and anything for a longer one, except as often as its temper
// says; and notes which blocks it has acknowledged.
class RandomRadio final : public SerialLink {
public:
    RandomRadio(std::mt19937& rng, VirtualClock& clock, double badness) : m_rng(rng), m_clock(clock), m_bad(badness) {}

    std::map<std::size_t, LinkBytes> acknowledgedReads; // address -> the bytes delivered
    std::set<std::size_t> acknowledgedWrites;
    int closes = 0;

    OpenStatus Open(const std::string&) override { return OpenStatus::Opened(); }
    void Configure() override {}
    void PurgeAll() override {}
    void Clear() override {}
    void Close() override { ++closes; }
    void Sleep(std::chrono::milliseconds duration) override { m_clock.Advance(duration); }

    WriteResult Write(std::span<const std::uint8_t> bytes) override
    {
        if (bytes.size() == 4 && (bytes[0] == protocol::kReadBlock || bytes[0] == protocol::kWriteBlock)) {
            m_frame = bytes[0];
            m_address = std::size_t{bytes[1]} << 8 | bytes[2];
            m_readsSinceFrame = 0;
        }
        return {true, bytes.size()};
    }

    ReadResult Read(std::size_t n) override
    {
        if (bad())
            return {false, {}};
        ReadResult r{true, {}};
        const std::size_t length = bad() ? m_rng() % n : n;
        for (std::size_t i = 0; i < length; ++i)
            r.bytes.push_back(byteFor(n));
        const auto got = static_cast<long long>(length);
        m_clock.Advance(length == n ? kByteTime * got
                                    : (length > 0 ? kByteTime * got + read_timeouts::kBetweenBytes : read_timeouts::Total(n)));
        note(r.bytes);
        return r;
    }

private:
    bool bad() { return std::bernoulli_distribution(m_bad)(m_rng); }

    std::uint8_t byteFor(std::size_t n)
    {
        if (n > 1 || bad())
            return static_cast<std::uint8_t>(m_rng());
        return bad() ? protocol::kSyn : protocol::kAck;
    }

    void note(const LinkBytes& bytes)
    {
        const bool ack = bytes == LinkBytes{protocol::kAck};
        const int read = ++m_readsSinceFrame;
        if (m_frame == protocol::kReadBlock && read == 1)
            m_reply = bytes.size() == protocol::kReadReplySize ? LinkBytes(bytes.begin() + 4, bytes.end()) : LinkBytes{};
        else if (m_frame == protocol::kReadBlock && read == 2 && ack && !m_reply.empty())
            acknowledgedReads[m_address] = m_reply;
        else if (m_frame == protocol::kWriteBlock && read == 1 && (ack || bytes == LinkBytes{protocol::kSyn}))
            acknowledgedWrites.insert(m_address);
    }

    std::mt19937& m_rng;
    VirtualClock& m_clock;
    double m_bad;
    std::uint8_t m_frame = 0;
    std::size_t m_address = 0;
    int m_readsSinceFrame = 0;
    LinkBytes m_reply;
};

// A user who mostly says yes and now and then cancels; every contact with the
// transfer (prompt, message) is timed.
class RandomUser final : public TransferHost {
public:
    RandomUser(std::mt19937& rng, VirtualClock& clock) : m_rng(rng), m_clock(clock) {}

    std::vector<SimTime> contacts;

    void DispatchOne() override {}
    bool CancelRequested() override { return m_rng() % 5000 == 0; }
    void Progress(int) override {}
    void ShowStatus(const TransferStatus&) override {}
    void ShowMessage(const std::string&) override { contacts.push_back(m_clock.Now()); }
    RetryAnswer AskRetry(const std::string&) override
    {
        contacts.push_back(m_clock.Now());
        return ++m_retries <= 3 && m_rng() % 2 ? RetryAnswer::Retry : RetryAnswer::Cancel;
    }
    VersionAnswer AskVersion() override
    {
        contacts.push_back(m_clock.Now());
        return m_rng() % 4 ? VersionAnswer::Continue : VersionAnswer::Cancel;
    }

private:
    std::mt19937& m_rng;
    VirtualClock& m_clock;
    int m_retries = 0;
};

// The longest the engine may go without coming back to the user: fifteen
// wake-up attempts through the version path, the identification, and every
// block at its read time-outs.
constexpr auto kAttempt = 7ms + 14ms + 2 * 590ms + 7ms + 7ms + 2 * 590ms + 2ms;
constexpr SimTime kLongestSilence = 15 * kAttempt + (2ms + 4090ms + 590ms + 601ms) + 128 * (6090ms + 590ms + 1ms);

TEST(TransferProperty, RandomRadioNeverHangsAndNeverFakesSuccess)
{
    int completed[2] = {0, 0};
    for (unsigned seed = 1; seed <= 600; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        // Half the radios nearly always right, half often wrong.
        const double badness = std::uniform_real_distribution<double>(0, seed % 2 ? 0.3 : 0.003)(rng);
        const auto direction = seed % 3 ? TransferDirection::Read : TransferDirection::Write;
        VirtualClock clock;
        RandomRadio radio(rng, clock, badness);
        RandomUser user(rng, clock);
        RadioImage image;
        for (std::size_t i = 0; i < RadioImage::kSize; ++i)
            image.setByte(i, static_cast<std::uint8_t>(rng()));
        const RadioImage before = image;

        TransferProtocol protocol(radio, user);
        const TransferResult result = protocol.Run(direction, image, {13600000, 17400000});

        EXPECT_EQ(radio.closes, 1);
        user.contacts.push_back(clock.Now());
        SimTime last{0};
        for (SimTime contact : user.contacts) {
            EXPECT_LE(contact - last, kLongestSilence);
            last = contact;
        }
        if (result != TransferResult::Completed || direction == TransferDirection::Write) {
            EXPECT_EQ(image, before);
        }
        if (result != TransferResult::Completed)
            continue;
        if (direction == TransferDirection::Write) {
            ++completed[1];
            EXPECT_EQ(radio.acknowledgedWrites.size(), protocol::kWrittenBlockCount);
            continue;
        }
        ++completed[0];
        ASSERT_EQ(radio.acknowledgedReads.size(), RadioImage::kBlockCount);
        for (const auto& [address, bytes] : radio.acknowledgedReads)
            EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), image.block(address / 8).begin())) << address;
    }
    // The seeds must reach the end of both kinds of transfer, or the checks
    // above prove nothing.
    EXPECT_GT(completed[0], 10);
    EXPECT_GT(completed[1], 10);
}

} // namespace
