#include "link_fakes.h"

#include "link/protocol_bytes.h"
#include "link/read_timeouts.h"
#include "link/transfer_protocol.h"

#include <algorithm>
#include <cstdio>

OpenStatus ScriptedLink::Open(const std::string&)
{
    m_journal.push_back({LinkEvent::Open});
    return OpenStatus::Opened();
}

WriteResult ScriptedLink::Write(std::span<const std::uint8_t> bytes)
{
    m_journal.push_back({LinkEvent::Write, LinkBytes(bytes.begin(), bytes.end())});
    if (bytes.size() == 1 && bytes[0] == protocol::kAck && m_refusedAcks > 0) {
        --m_refusedAcks;
        return {false, 0};
    }
    return {true, bytes.size()};
}

ReadResult ScriptedLink::Read(std::size_t n)
{
    if (!m_script.empty() && m_script.front().fails) {
        m_script.pop_front();
        m_journal.push_back({LinkEvent::Read, {}, static_cast<int>(n), {}, true});
        return {false, {}};
    }
    ReadResult result{true, {}};
    if (!m_script.empty()) {
        LinkBytes& entry = m_script.front().bytes;
        const auto k = static_cast<std::ptrdiff_t>(std::min(n, entry.size()));
        result.bytes.assign(entry.begin(), entry.begin() + k);
        entry.erase(entry.begin(), entry.begin() + k);
        if (entry.empty())
            m_script.pop_front();
    }
    const auto got = static_cast<long long>(result.bytes.size());
    if (result.bytes.size() == n)
        m_clock.Advance(kByteTime * got);
    else
        m_clock.Advance(got > 0 ? kByteTime * got + read_timeouts::kBetweenBytes : read_timeouts::Total(n));
    m_journal.push_back({LinkEvent::Read, result.bytes, static_cast<int>(n)});
    return result;
}

void RecordingHost::DispatchOne()
{
    ++m_dispatches;
    m_journal.push_back({LinkEvent::Dispatch});
    if (duringDispatch)
        duringDispatch();
}

bool RecordingHost::CancelRequested()
{
    m_journal.push_back({LinkEvent::CancelCheck});
    return cancelFromDispatch > 0 && m_dispatches >= cancelFromDispatch;
}

void ScriptedLink::Sleep(std::chrono::milliseconds duration)
{
    m_clock.Advance(duration);
    m_journal.push_back({LinkEvent::Sleep, {}, static_cast<int>(duration.count())});
}

namespace {

template <typename Answer>
Answer next(std::deque<Answer>& answers, Answer otherwise)
{
    if (answers.empty())
        return otherwise;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

RetryAnswer RecordingHost::AskRetry(const std::string& text)
{
    m_journal.push_back({LinkEvent::AskRetry, {}, 0, text});
    return next(retryAnswers, RetryAnswer::Cancel);
}

VersionAnswer RecordingHost::AskVersion()
{
    m_journal.push_back({LinkEvent::AskVersion});
    return next(versionAnswers, VersionAnswer::Cancel);
}

TransferResult Bench::Run(TransferDirection direction, RadioImage& image, BandLimits band)
{
    TransferProtocol protocol(link, host);
    return protocol.Run(direction, image, band);
}

void ScriptIdentification(ScriptedLink& link, IdentificationHead id)
{
    link.Answer({id.i0, id.i1, id.i2, 0x00, 0x00, 0x00, 0x00, 0x00});
    link.Answer({protocol::kAck});
}

void ScriptOpening(ScriptedLink& link, IdentificationHead id)
{
    link.Answer({protocol::kSyn});
    ScriptIdentification(link, id);
}

void ScriptReadBlocks(ScriptedLink& link, const RadioImage& memory, std::size_t first, std::size_t end)
{
    for (std::size_t k = first; k < end; ++k) {
        LinkBytes reply = {0xA5, static_cast<std::uint8_t>(k), 0x5A, static_cast<std::uint8_t>(~k)};
        const auto block = memory.block(k);
        reply.insert(reply.end(), block.begin(), block.end());
        link.Answer(reply);
        link.Answer({protocol::kAck});
    }
}

void ScriptWriteAnswers(ScriptedLink& link, std::size_t count, std::uint8_t answer)
{
    for (std::size_t k = 0; k < count; ++k)
        link.Answer({answer});
}

void ScriptTransfer(ScriptedLink& link, TransferDirection direction, const RadioImage& memory)
{
    ScriptOpening(link);
    if (direction == TransferDirection::Read)
        ScriptReadBlocks(link, memory, 0, RadioImage::kBlockCount);
    else
        ScriptWriteAnswers(link, protocol::kWrittenBlockCount);
}

RadioImage PatternImage(std::uint8_t seed)
{
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i)
        image.setByte(i, static_cast<std::uint8_t>(i * 7 + seed + i / 256));
    return image;
}

int Count(const Journal& journal, LinkEvent::Kind kind)
{
    return static_cast<int>(
        std::count_if(journal.begin(), journal.end(), [kind](const LinkEvent& e) { return e.kind == kind; }));
}

std::vector<LinkBytes> Writes(const Journal& journal)
{
    std::vector<LinkBytes> writes;
    for (const LinkEvent& e : journal) {
        if (e.kind == LinkEvent::Write)
            writes.push_back(e.bytes);
    }
    return writes;
}

std::vector<std::size_t> FrameAddresses(const Journal& journal, std::uint8_t kind)
{
    std::vector<std::size_t> addresses;
    for (const LinkBytes& w : Writes(journal)) {
        if (w.size() == 4 && w[0] == kind && w[3] == 8)
            addresses.push_back(std::size_t{w[1]} << 8 | w[2]);
    }
    return addresses;
}

Journal Before(const Journal& journal, LinkEvent::Kind kind)
{
    const auto it = std::find_if(journal.begin(), journal.end(), [kind](const LinkEvent& e) { return e.kind == kind; });
    return Journal(journal.begin(), it);
}

std::string LastMessage(const Journal& journal)
{
    for (auto it = journal.rbegin(); it != journal.rend(); ++it) {
        if (it->kind == LinkEvent::Message)
            return it->text;
    }
    return {};
}

std::string Hex(std::span<const std::uint8_t> bytes)
{
    std::string text;
    char buf[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", b);
        text += (text.empty() ? "" : ".") + std::string(buf);
    }
    return text;
}

std::string Repeat(const std::string& words, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += words;
    return text;
}

std::string Describe(const Journal& journal)
{
    static const char* const kWords[] = {"O", "K", "P", "L", "w", "r", "X", "d", "c", "s", "p", "m", "RETRY", "VERSION"};
    std::string text;
    for (const LinkEvent& e : journal) {
        text += kWords[e.kind];
        if (e.kind == LinkEvent::Write)
            text += Hex(e.bytes);
        else if (e.kind == LinkEvent::Read)
            text += std::to_string(e.value) + (e.failed ? "!" : "=" + Hex(e.bytes));
        else if (e.kind == LinkEvent::Sleep || e.kind == LinkEvent::Progress)
            text += std::to_string(e.value);
        text += ' ';
    }
    return text;
}
