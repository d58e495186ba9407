#include "transfer_protocol.h"

#include "link/protocol_bytes.h"

#include "image/ui_text.h"

#include <algorithm>

namespace {

const char* retryPromptText()
{
    return HMPROG_TEXT("Communication error, please try again.");
}

} // namespace

TransferResult TransferProtocol::Run(TransferDirection direction, RadioImage& image, BandLimits band)
{
    m_direction = direction;
    m_band = band;
    m_blocksWritten = 0;
    m_reason = FailureReason::None;
    const TransferResult result = exchange(image);
    m_link.Close();
    return result;
}

TransferResult TransferProtocol::endOf(Phase phase) const
{
    switch (phase) {
    case Phase::Cancelled:
        return TransferResult::Cancelled;
    case Phase::Refused:
        return {TransferResult::Refused, m_reason};
    default:
        return {TransferResult::Failed, m_reason};
    }
}

TransferResult TransferProtocol::exchange(RadioImage& image)
{
    // Taken now so that whatever happens to the image while the user
    // interface runs in the polls, one consistent image goes out.
    const RadioImage::Bytes toWrite = image.bytes();
    for (;;) {
        const Phase woken = wakeUp();
        if (woken != Phase::Go)
            return endOf(woken);
        const Phase identified = identify();
        if (identified == Phase::Go)
            break;
        if (identified != Phase::Retry)
            return endOf(identified);
        if (m_host.AskRetry(retryPromptText()) == RetryAnswer::Cancel)
            return {TransferResult::Refused, m_reason};
    }
    return m_direction == TransferDirection::Read ? readBlocks(image) : writeBlocks(toWrite);
}

// Until the radio answers the wake-up with SYN (or with ACK and, after the
// version prompt, with ACK or SYN), 15 attempts at a time.
TransferProtocol::Phase TransferProtocol::wakeUp()
{
    m_host.ShowStatus({TransferStatus::Stage::WaitingForRadio});
    int attempt = 1;
    for (;;) {
        if (!poll(kWakeUpPolls, CancelCheck::AfterDispatch, 1))
            return Phase::Cancelled;
        m_link.PurgeAll();
        sendWakeUp(2);
        WakeAnswer answer = readWakeAnswer();
        if (answer == WakeAnswer::Ack) {
            if (m_host.AskVersion() != VersionAnswer::Continue) {
                m_reason = FailureReason::None;
                return Phase::Refused;
            }
            if (!poll(kWakeUpPolls, CancelCheck::AfterDispatch, 1))
                return Phase::Cancelled;
            m_link.PurgeAll();
            sendWakeUp(1);
            answer = readWakeAnswer();
        }
        if (answer != WakeAnswer::None)
            return Phase::Go;

        m_reason = FailureReason::NoAnswer;
        pause(2);
        if (++attempt <= kWakeUpAttempts)
            continue;
        if (m_host.AskRetry(retryPromptText()) == RetryAnswer::Cancel)
            return Phase::Refused;
        attempt = 1;
    }
}

void TransferProtocol::sendWakeUp(int pauseMs)
{
    for (std::uint8_t b : protocol::kWakeUp) {
        pause(pauseMs);
        m_link.Clear();
        send(b);
    }
}

// The second byte decides when the first is neither ACK nor SYN: the radio
// may put a stray byte on the line as it wakes.
TransferProtocol::WakeAnswer TransferProtocol::readWakeAnswer()
{
    for (int tries = 0; tries < 2; ++tries) {
        const ReadResult r = m_link.Read(1);
        if (!r.ok)
            return WakeAnswer::None;
        if (r.bytes.size() == 1 && r.bytes[0] == protocol::kAck)
            return WakeAnswer::Ack;
        if (r.bytes.size() == 1 && r.bytes[0] == protocol::kSyn)
            return WakeAnswer::Syn;
    }
    return WakeAnswer::None;
}

TransferProtocol::Phase TransferProtocol::identify()
{
    m_host.ShowStatus({TransferStatus::Stage::Identifying});
    pause(1);
    m_link.Clear();
    send(protocol::kModeByte);
    pause(1);
    m_link.Clear();
    send(protocol::kStx);
    // No clear after the STX: a radio that answers at once has its reply on
    // the line before a busy program gets round to clearing, and the clear
    // would throw it away. The clear before the STX has taken what was left
    // on the line; what an echoing cable hands back of the M byte and the STX
    // comes ahead of the reply (withoutEchoes).
    ReadResult id = m_link.Read(protocol::kIdentificationSize);
    if (id.ok && id.bytes.size() == protocol::kIdentificationSize)
        id.bytes = withoutEchoes(std::move(id.bytes));
    // A short reply is as good as none: its first bytes may be anything.
    if (!id.ok || id.bytes.size() < protocol::kIdentificationSize) {
        m_reason = id.ok ? FailureReason::ShortReply : FailureReason::PortLost;
        return Phase::Retry;
    }
    const auto reply = std::span<const std::uint8_t>(id.bytes);
    if (m_direction == TransferDirection::Write) {
        const RadioRange radio = DecodeIdentification(reply.first<3>());
        if (!BandFitsRadio(radio, m_band)) {
            m_host.ShowMessage(HMPROG_TEXT("Model do not match"));
            m_reason = FailureReason::ModelMismatch;
            return Phase::Failed;
        }
    }
    const Phase acknowledged = acknowledgeIdentification();
    if (acknowledged != Phase::Go)
        return acknowledged;

    const ReadResult answer = m_link.Read(1);
    if (!answer.ok) {
        m_reason = FailureReason::PortLost;
        return Phase::Retry;
    }
    if (answer.bytes.size() == 1 && answer.bytes[0] == protocol::kAck)
        return Phase::Go;
    m_reason = FailureReason::NoAck;
    if (!poll(kIdentificationNakPolls, CancelCheck::AfterDispatch, 1))
        return Phase::Cancelled;
    return Phase::Retry;
}

// Eight bytes that begin with the echo of the M byte and the STX, or of the
// STX alone, are the echoes and the start of the reply: the rest of the reply
// follows at once. Asking for exactly the missing bytes keeps a normal
// cable's identification from waiting out the gap after its last byte. A
// reply that merely begins like an echo has nothing after it: that read
// times out and the eight bytes stand as they are.
LinkBytes TransferProtocol::withoutEchoes(LinkBytes reply)
{
    std::size_t echoes = 0;
    if (reply[0] == protocol::kModeByte && reply[1] == protocol::kStx)
        echoes = 2;
    else if (reply[0] == protocol::kStx)
        echoes = 1;
    if (echoes == 0)
        return reply;
    const ReadResult rest = m_link.Read(echoes);
    if (!rest.ok || rest.bytes.size() < echoes)
        return reply;
    reply.erase(reply.begin(), reply.begin() + static_cast<std::ptrdiff_t>(echoes));
    reply.insert(reply.end(), rest.bytes.begin(), rest.bytes.end());
    return reply;
}

// A port that will not take one byte is not going to get better by itself:
// a few more tries, each announced, then the transfer ends.
TransferProtocol::Phase TransferProtocol::acknowledgeIdentification()
{
    static constexpr std::uint8_t ack[] = {protocol::kAck};
    for (int repeat = 0;; ++repeat) {
        m_link.Clear();
        const WriteResult written = m_link.Write(ack);
        if (written.ok && written.count == 1)
            return Phase::Go;
        m_host.ShowMessage(HMPROG_TEXT("Communication"));
        if (repeat == kAckWriteRepeats) {
            m_reason = FailureReason::WriteRefused;
            return Phase::Failed;
        }
    }
}

TransferResult TransferProtocol::readBlocks(RadioImage& image)
{
    RadioImage scratch;
    for (std::size_t k = 0; k < RadioImage::kBlockCount; ++k) {
        showBlock(k + 1, RadioImage::kBlockCount);
        m_link.Clear();
        send(protocol::FrameHeader(protocol::kReadBlock, k));
        // The user interface has its turn while the reply crosses the line,
        // where it keeps the radio waiting for nothing.
        dispatch(kReadBlockPolls);
        const ReadResult reply = m_link.Read(protocol::kReadReplySize);
        if (!reply.ok || reply.bytes.size() < protocol::kReadReplySize) {
            m_host.ShowMessage(HMPROG_TEXT("Not receive enough byte"));
            return {TransferResult::Failed, reply.ok ? FailureReason::ShortReply : FailureReason::PortLost};
        }
        m_link.Clear();
        std::copy_n(reply.bytes.begin() + protocol::kFrameHeaderSize, protocol::kBlockSize,
                    scratch.block(k).begin());
        m_link.Clear();
        send(protocol::kAck);
        if (!readsByte(protocol::kAck)) {
            m_host.ShowMessage(HMPROG_TEXT("Not receive ACK signal"));
            return {TransferResult::Failed, FailureReason::NoAck};
        }
        m_host.Progress(1);
        // Looked at once the block is acknowledged: a Cancel never leaves the
        // radio in the middle of one.
        if (m_host.CancelRequested())
            return TransferResult::Cancelled;
    }
    image = scratch;
    m_host.ShowStatus({TransferStatus::Stage::Done});
    return TransferResult::Completed;
}

TransferResult TransferProtocol::writeBlocks(const RadioImage::Bytes& bytes)
{
    for (std::size_t k = 0; k < protocol::kWriteEnd; ++k) {
        if (k == protocol::kWriteGapFirst) {
            k = protocol::kWriteGapEnd;
            m_host.Progress(static_cast<int>(protocol::kWriteGapEnd - protocol::kWriteGapFirst));
        }
        showBlock(m_blocksWritten + 1, protocol::kWrittenBlockCount);
        m_link.Clear();
        send(protocol::FrameHeader(protocol::kWriteBlock, k));
        send(std::span<const std::uint8_t>(bytes.data() + k * protocol::kBlockSize, protocol::kBlockSize));
        const ReadResult answer = m_link.Read(1);
        const bool acknowledged = answer.ok && answer.bytes.size() == 1 &&
                                  (answer.bytes[0] == protocol::kAck || answer.bytes[0] == protocol::kSyn);
        if (!acknowledged) {
            m_host.ShowMessage(HMPROG_TEXT("Communication error"));
            return {TransferResult::Failed, answer.ok ? FailureReason::NoAck : FailureReason::PortLost};
        }
        ++m_blocksWritten;
        m_host.Progress(1);
        if (!poll(kWriteBlockPolls, CancelCheck::BeforeDispatch, 0))
            return TransferResult::Cancelled;
        // The radio needs a quiet millisecond after its ACK; the polls
        // above count towards it.
        m_link.SleepAfterAnswer(std::chrono::milliseconds(1));
    }
    m_host.ShowStatus({TransferStatus::Stage::Done});
    return TransferResult::Completed;
}

void TransferProtocol::showBlock(std::size_t block, std::size_t blocks)
{
    m_host.ShowStatus({TransferStatus::Stage::Block, static_cast<int>(block), static_cast<int>(blocks)});
}

bool TransferProtocol::poll(int count, CancelCheck when, int pauseMs)
{
    for (int i = 0; i < count; ++i) {
        if (when == CancelCheck::BeforeDispatch && m_host.CancelRequested())
            return false;
        m_host.DispatchOne();
        if (when == CancelCheck::AfterDispatch && m_host.CancelRequested())
            return false;
        if (pauseMs > 0)
            pause(pauseMs);
    }
    return true;
}

void TransferProtocol::dispatch(int count)
{
    for (int i = 0; i < count; ++i)
        m_host.DispatchOne();
}

// Only the identification's ACK looks at how a write went; everywhere else the
// radio's answer tells whether the bytes arrived.
void TransferProtocol::send(std::span<const std::uint8_t> bytes)
{
    static_cast<void>(m_link.Write(bytes));
}

void TransferProtocol::send(std::uint8_t byte)
{
    send(std::span<const std::uint8_t>(&byte, 1));
}

bool TransferProtocol::readsByte(std::uint8_t expected)
{
    const ReadResult r = m_link.Read(1);
    return r.ok && r.bytes.size() == 1 && r.bytes[0] == expected;
}

void TransferProtocol::pause(int milliseconds)
{
    m_link.Sleep(std::chrono::milliseconds(milliseconds));
}
