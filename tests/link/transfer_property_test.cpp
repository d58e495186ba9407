// The engine against a radio that answers at random, seeded: it must always
// come back to the user within the time-outs, and report a completed transfer
// only when every block was acknowledged.

#include "link/protocol_bytes.h"
#include "link/read_timeouts.h"
#include "link/transfer_protocol.h"
#include "sim/sim_clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

namespace {

using namespace std::chrono_literals;

// How often the radio says the right thing.
struct Temper {
    double failedCall;
    double shortAnswer;
    double wrongByte;
    double synInsteadOfAck;
};

class RandomRadio final : public SerialLink {
public:
    RandomRadio(std::mt19937& rng, VirtualClock& clock, Temper temper) : m_rng(rng), m_clock(clock), m_temper(temper)
    {
    }

    // Blocks whose reply came whole and whose acknowledgement was right.
    std::map<std::size_t, LinkBytes> acknowledgedReads;
    std::set<std::size_t> acknowledgedWrites;
    int closes = 0;
    long operations = 0;

    OpenStatus Open(const QString&) override { return OpenStatus::Opened(); }
    void Configure() override {}
    void PurgeAll() override { ++operations; }
    void Clear() override { ++operations; }

    WriteResult Write(std::span<const std::uint8_t> bytes) override
    {
        ++operations;
        if (bytes.size() == 4 && (bytes[0] == protocol::kReadBlock || bytes[0] == protocol::kWriteBlock)) {
            m_frameKind = bytes[0];
            m_frameAddress = std::size_t{bytes[1]} << 8 | bytes[2];
            m_readsSinceFrame = 0;
        }
        return {true, bytes.size()};
    }

    ReadResult Read(std::size_t n) override
    {
        ++operations;
        if (chance(m_temper.failedCall))
            return {false, {}};
        ReadResult r{true, {}};
        const std::size_t length = chance(m_temper.shortAnswer) ? pick(n) : n;
        for (std::size_t i = 0; i < length; ++i)
            r.bytes.push_back(byteFor(n, i));
        advance(n, length);
        note(n, r.bytes);
        return r;
    }

    void Close() override { ++closes; }

private:
    bool chance(double p) { return std::bernoulli_distribution(p)(m_rng); }
    std::size_t pick(std::size_t below) { return std::uniform_int_distribution<std::size_t>(0, below - 1)(m_rng); }

    std::uint8_t byteFor(std::size_t n, std::size_t i)
    {
        if (chance(m_temper.wrongByte))
            return static_cast<std::uint8_t>(pick(256));
        if (n == 1)
            return chance(m_temper.synInsteadOfAck) ? protocol::kSyn : protocol::kAck;
        if (n == protocol::kIdentificationSize && i < 3) {
            static constexpr std::uint8_t heads[3][3] = {{0x64, 0x17, 0x13}, {0x60, 0x48, 0x13}, {0x00, 0x52, 0x40}};
            return heads[m_rng() % 3][i];
        }
        return static_cast<std::uint8_t>(pick(256));
    }

    void advance(std::size_t n, std::size_t got)
    {
        if (got == n)
            m_clock.Advance(kByteTime * static_cast<long long>(n));
        else if (got > 0)
            m_clock.Advance(kByteTime * static_cast<long long>(got) + read_timeouts::kBetweenBytes);
        else
            m_clock.Advance(read_timeouts::Total(n));
    }

    // Which block the reads after a frame belong to, and whether they
    // acknowledge it.
    void note(std::size_t n, const LinkBytes& bytes)
    {
        const int read = ++m_readsSinceFrame;
        if (m_frameKind == protocol::kReadBlock && read == 1) {
            m_reply = n == protocol::kReadReplySize && bytes.size() == n
                          ? LinkBytes(bytes.begin() + protocol::kFrameHeaderSize, bytes.end())
                          : LinkBytes{};
        } else if (m_frameKind == protocol::kReadBlock && read == 2 && !m_reply.empty() &&
                   bytes == LinkBytes{protocol::kAck}) {
            acknowledgedReads[m_frameAddress] = m_reply;
        } else if (m_frameKind == protocol::kWriteBlock && read == 1 && bytes.size() == 1 &&
                   (bytes[0] == protocol::kAck || bytes[0] == protocol::kSyn)) {
            acknowledgedWrites.insert(m_frameAddress);
        }
    }

    std::mt19937& m_rng;
    VirtualClock& m_clock;
    Temper m_temper;
    std::uint8_t m_frameKind = 0;
    std::size_t m_frameAddress = 0;
    int m_readsSinceFrame = 0;
    LinkBytes m_reply;
};

// A user who mostly says yes, now and then cancels, and whose every contact
// with the transfer (prompt, message, end) is timed.
class RandomUser final : public TransferHost {
public:
    RandomUser(std::mt19937& rng, VirtualClock& clock) : m_rng(rng), m_clock(clock) {}

    std::vector<SimTime> contacts;

    void DispatchOne() override {}
    bool CancelRequested() override { return std::bernoulli_distribution(0.0002)(m_rng); }
    void Sleep(int ms) override { m_clock.Advance(std::chrono::milliseconds(ms)); }
    void Progress(int) override {}
    void ShowMessage(const QString&) override { contacts.push_back(m_clock.Now()); }
    RetryAnswer AskRetry(const QString&) override
    {
        contacts.push_back(m_clock.Now());
        return ++m_retries <= 3 && (m_rng() & 1) ? RetryAnswer::Retry : RetryAnswer::Cancel;
    }
    VersionAnswer AskVersion() override
    {
        contacts.push_back(m_clock.Now());
        return (m_rng() % 4) != 0 ? VersionAnswer::Continue : VersionAnswer::Cancel;
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
constexpr auto kIdentification = 2ms + 4090ms + 590ms + 601ms;
constexpr auto kBlocks = 128 * (6090ms + 590ms + 1ms);
constexpr SimTime kLongestSilence = 15 * kAttempt + kIdentification + kBlocks;

TEST(TransferProperty, RandomRadioNeverHangsAndNeverFakesSuccess)
{
    int completed[2] = {0, 0};
    for (unsigned seed = 1; seed <= 600; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        const bool wellBehaved = seed % 2 == 0;
        std::uniform_real_distribution<double> rate(wellBehaved ? 0.0 : 0.02, wellBehaved ? 0.002 : 0.4);
        const Temper temper{rate(rng), rate(rng), rate(rng), rate(rng)};
        const auto direction = seed % 3 == 0 ? TransferDirection::Write : TransferDirection::Read;

        VirtualClock clock;
        RandomRadio radio(rng, clock, temper);
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
        if (result != TransferResult::Completed) {
            if (direction == TransferDirection::Read) {
                EXPECT_EQ(image, before);
            }
            continue;
        }
        ++completed[direction == TransferDirection::Read ? 0 : 1];
        if (direction == TransferDirection::Read) {
            ASSERT_EQ(radio.acknowledgedReads.size(), RadioImage::kBlockCount);
            for (const auto& [address, bytes] : radio.acknowledgedReads) {
                const auto block = image.block(address / protocol::kBlockSize);
                EXPECT_TRUE(std::equal(block.begin(), block.end(), bytes.begin())) << address;
            }
        } else {
            EXPECT_EQ(radio.acknowledgedWrites.size(), protocol::kWrittenBlockCount);
            EXPECT_EQ(image, before);
        }
    }
    // The seeds must reach the end of both kinds of transfer, or the check
    // above proves nothing.
    EXPECT_GT(completed[0], 10);
    EXPECT_GT(completed[1], 10);
}

} // namespace
