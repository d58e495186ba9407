#include "simulated_radio.h"

#include "link/protocol_bytes.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::uint8_t kNak = 0x15;
constexpr std::uint8_t kNoise = 0x3F;
constexpr std::size_t kWriteFrameSize = protocol::kFrameHeaderSize + protocol::kBlockSize;
// What the radio puts after its range in the identification; the program
// does not look at it.
constexpr std::array<std::uint8_t, 5> kIdentificationTail = {0x00, 0x01, 0xFF, 0xFF, 0xFF};

} // namespace

SimulatedRadio::SimulatedRadio(const RadioImage& memory, RadioOptions options)
    : m_memory(memory), m_options(options)
{
}

std::vector<RadioReply> SimulatedRadio::TakeReplies()
{
    return std::exchange(m_replies, {});
}

void SimulatedRadio::Receive(std::uint8_t byte, SimTime arrival)
{
    if (collectingPayload()) {
        m_frame.push_back(byte);
        scanFrames(arrival);
        return;
    }
    if (heardWakeUp(byte)) {
        m_frame.clear();
        answerWakeUp(arrival);
        return;
    }
    switch (m_state) {
    case State::Asleep:
        break;
    case State::AwaitMode:
        if (byte == protocol::kModeByte)
            m_state = State::AwaitStx;
        break;
    case State::AwaitStx:
        if (byte == protocol::kStx)
            sendIdentification(arrival);
        break;
    case State::AwaitIdentificationAck:
        if (byte == protocol::kAck)
            answerIdentificationAck(arrival);
        break;
    case State::AwaitBlockAck:
        if (m_frame.empty() && byte == protocol::kAck) {
            answerBlockAck(arrival);
            break;
        }
        [[fallthrough]];
    case State::Ready:
        m_frame.push_back(byte);
        scanFrames(arrival);
        break;
    }
}

// The last seven bytes heard outside a frame's payload.
bool SimulatedRadio::heardWakeUp(std::uint8_t byte)
{
    std::shift_left(m_recent.begin(), m_recent.end(), 1);
    m_recent.back() = byte;
    m_recentCount = std::min(m_recentCount + 1, m_recent.size());
    return m_recentCount == m_recent.size() && m_recent == protocol::kWakeUp;
}

// A 'W' header that scanFrames has kept is a frame: what follows is its payload.
bool SimulatedRadio::collectingPayload() const
{
    return m_frame.size() >= protocol::kFrameHeaderSize && m_frame[0] == protocol::kWriteBlock;
}

// A frame is 'R' or 'W', the address high and low bytes and the length 8; a
// 'W' frame goes on with the 8 bytes to store. Anything that cannot start a
// frame is skipped one byte at a time, and so is an 'R' or 'W' whose address
// is beyond the memory when the next byte could start a frame itself: that
// was a stray byte in front of a frame, not a request.
void SimulatedRadio::scanFrames(SimTime at)
{
    const auto isKind = [](std::uint8_t b) { return b == protocol::kReadBlock || b == protocol::kWriteBlock; };
    while (!m_frame.empty()) {
        if (!isKind(m_frame[0])) {
            m_frame.erase(m_frame.begin());
            continue;
        }
        if (m_frame.size() < protocol::kFrameHeaderSize)
            return;
        const std::size_t address = (std::size_t{m_frame[1]} << 8) | m_frame[2];
        if (m_frame[3] != protocol::kBlockSize || (!inMemory(address) && isKind(m_frame[1]))) {
            m_frame.erase(m_frame.begin());
            continue;
        }
        if (m_frame[0] == protocol::kReadBlock) {
            m_frame.erase(m_frame.begin(), m_frame.begin() + protocol::kFrameHeaderSize);
            answerRead(address, at);
            continue;
        }
        if (m_frame.size() < kWriteFrameSize)
            return;
        answerWrite(address, at);
        m_frame.erase(m_frame.begin(), m_frame.begin() + kWriteFrameSize);
    }
}

bool SimulatedRadio::inMemory(std::size_t address)
{
    return address + protocol::kBlockSize <= RadioImage::kSize;
}

void SimulatedRadio::answerWakeUp(SimTime at)
{
    switch (m_options.fault) {
    case RadioFault::Silent:
        return;
    case RadioFault::AckWakeUp:
        reply(protocol::kAck, at);
        break;
    case RadioFault::NoiseThenSyn:
        reply(kNoise, at);
        reply(protocol::kSyn, at);
        break;
    default:
        reply(protocol::kSyn, at);
        break;
    }
    m_state = State::AwaitMode;
}

void SimulatedRadio::sendIdentification(SimTime at)
{
    const IdentificationHead head = EncodeIdentification(m_options.range);
    reply(head.i0, at);
    reply(head.i1, at);
    reply(head.i2, at);
    const std::size_t tail = m_options.fault == RadioFault::ShortIdentification ? kIdentificationTail.size() - 1
                                                                                 : kIdentificationTail.size();
    for (std::size_t i = 0; i < tail; ++i)
        reply(kIdentificationTail[i], at);
    m_state = State::AwaitIdentificationAck;
}

void SimulatedRadio::answerIdentificationAck(SimTime at)
{
    if (m_options.fault == RadioFault::NakIdentification) {
        // It gives up and waits to be woken again.
        reply(kNak, at);
        m_state = State::Asleep;
        return;
    }
    reply(protocol::kAck, at);
    m_state = State::Ready;
}

void SimulatedRadio::answerBlockAck(SimTime at)
{
    m_state = State::Ready;
    if (faultAt(RadioFault::NoBlockAck, m_lastReadAddress))
        return;
    reply(faultAt(RadioFault::SynBlockAck, m_lastReadAddress) ? protocol::kSyn : protocol::kAck, at);
}

// An address beyond the memory is refused with NAK: nothing is read there.
void SimulatedRadio::answerRead(std::size_t address, SimTime at)
{
    if (!inMemory(address)) {
        reply(kNak, at);
        m_state = State::Ready;
        return;
    }
    // The header echoes the request.
    reply(protocol::kReadBlock, at);
    reply(static_cast<std::uint8_t>(address >> 8), at);
    reply(static_cast<std::uint8_t>(address & 0xFF), at);
    reply(static_cast<std::uint8_t>(protocol::kBlockSize), at);
    const std::size_t count = faultAt(RadioFault::ShortBlock, address) ? protocol::kBlockSize - 1
                                                                       : protocol::kBlockSize;
    // A cable that loses a bit now and then: the memory is right, the line is not.
    const bool flaky = faultAt(RadioFault::FlakyRead, address) && m_faultBlockReads++ % 2 == 1;
    for (std::size_t i = 0; i < count; ++i)
        reply(static_cast<std::uint8_t>(m_memory.byte(address + i) ^ (flaky && i == 0 ? 0x01 : 0x00)), at);
    m_lastReadAddress = address;
    m_state = State::AwaitBlockAck;
}

void SimulatedRadio::answerWrite(std::size_t address, SimTime at)
{
    if (!inMemory(address) || faultAt(RadioFault::NakWrite, address)) {
        reply(kNak, at);
        return;
    }
    if (faultAt(RadioFault::SilentWrite, address))
        return;
    for (std::size_t i = 0; i < protocol::kBlockSize; ++i)
        m_memory.setByte(address + i, m_frame[protocol::kFrameHeaderSize + i]);
    if (faultAt(RadioFault::StoreWrong, address))
        m_memory.setByte(address, static_cast<std::uint8_t>(~m_memory.byte(address)));
    reply(m_options.fault == RadioFault::SynWrite ? protocol::kSyn : protocol::kAck, at);
}

void SimulatedRadio::reply(std::uint8_t byte, SimTime at)
{
    m_replies.push_back({byte, at});
}

bool SimulatedRadio::faultAt(RadioFault fault, std::size_t address) const
{
    return m_options.fault == fault && address == m_options.faultBlock * protocol::kBlockSize;
}
