#include "link_fakes.h"

#include "link/protocol_bytes.h"
#include "link/read_timeouts.h"
#include "link/transfer_protocol.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

void record(Journal& journal, LinkEvent::Kind kind, LinkBytes bytes = {}, int value = 0, QString text = {})
{
    journal.push_back({kind, std::move(bytes), value, std::move(text)});
}

} // namespace

OpenStatus ScriptedLink::Open(const QString&)
{
    record(m_journal, LinkEvent::Open, {});
    return OpenStatus::Opened();
}

void ScriptedLink::Configure()
{
    record(m_journal, LinkEvent::Configure, {});
}

void ScriptedLink::PurgeAll()
{
    record(m_journal, LinkEvent::PurgeAll, {});
}

void ScriptedLink::Clear()
{
    record(m_journal, LinkEvent::Clear, {});
}

WriteResult ScriptedLink::Write(std::span<const std::uint8_t> bytes)
{
    record(m_journal, LinkEvent::Write, LinkBytes(bytes.begin(), bytes.end()));
    if (bytes.size() == 1 && bytes[0] == protocol::kAck && m_refusedAcks > 0) {
        --m_refusedAcks;
        return {false, 0};
    }
    return {true, bytes.size()};
}

ReadResult ScriptedLink::Read(std::size_t n)
{
    ReadResult result{true, {}};
    if (!m_script.empty() && m_script.front().fails) {
        m_script.pop_front();
        record(m_journal, LinkEvent::Read, {}, static_cast<int>(n), QStringLiteral("failed"));
        return {false, {}};
    }
    if (!m_script.empty()) {
        LinkBytes& entry = m_script.front().bytes;
        const std::size_t k = std::min(n, entry.size());
        result.bytes.assign(entry.begin(), entry.begin() + static_cast<std::ptrdiff_t>(k));
        entry.erase(entry.begin(), entry.begin() + static_cast<std::ptrdiff_t>(k));
        if (entry.empty())
            m_script.pop_front();
    }
    const std::size_t got = result.bytes.size();
    if (got == n)
        m_clock.Advance(kByteTime * static_cast<long long>(n));
    else if (got > 0)
        m_clock.Advance(kByteTime * static_cast<long long>(got) + read_timeouts::kBetweenBytes);
    else
        m_clock.Advance(read_timeouts::Total(n));
    record(m_journal, LinkEvent::Read, result.bytes, static_cast<int>(n));
    return result;
}

void ScriptedLink::Close()
{
    record(m_journal, LinkEvent::Close, {});
}

void RecordingHost::DispatchOne()
{
    ++m_dispatches;
    record(m_journal, LinkEvent::Dispatch, {});
}

bool RecordingHost::CancelRequested()
{
    record(m_journal, LinkEvent::CancelCheck, {});
    return cancelFromDispatch > 0 && m_dispatches >= cancelFromDispatch;
}

void RecordingHost::Sleep(int milliseconds)
{
    m_clock.Advance(std::chrono::milliseconds(milliseconds));
    record(m_journal, LinkEvent::Sleep, {}, milliseconds);
}

void RecordingHost::Progress(int steps)
{
    record(m_journal, LinkEvent::Progress, {}, steps);
}

void RecordingHost::ShowMessage(const QString& text)
{
    record(m_journal, LinkEvent::Message, {}, 0, text);
}

RetryAnswer RecordingHost::AskRetry(const QString& text)
{
    record(m_journal, LinkEvent::AskRetry, {}, 0, text);
    if (retryAnswers.empty())
        return RetryAnswer::Cancel;
    const RetryAnswer answer = retryAnswers.front();
    retryAnswers.pop_front();
    return answer;
}

VersionAnswer RecordingHost::AskVersion()
{
    record(m_journal, LinkEvent::AskVersion, {});
    if (versionAnswers.empty())
        return VersionAnswer::Cancel;
    const VersionAnswer answer = versionAnswers.front();
    versionAnswers.pop_front();
    return answer;
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

void ScriptTransfer(ScriptedLink& link, TransferDirection direction, const RadioImage& memory)
{
    ScriptOpening(link);
    if (direction == TransferDirection::Read)
        ScriptReadBlocks(link, memory, 0, RadioImage::kBlockCount);
    else
        ScriptWriteAnswers(link, protocol::kWrittenBlockCount);
}

void ScriptReadBlocks(ScriptedLink& link, const RadioImage& memory, std::size_t first, std::size_t end)
{
    for (std::size_t k = first; k < end; ++k) {
        // The header is noise: the program must not look at it.
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

RadioImage PatternImage(std::uint8_t seed)
{
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i)
        image.setByte(i, static_cast<std::uint8_t>(i * 7 + seed + i / 256));
    return image;
}

int Count(const Journal& journal, LinkEvent::Kind kind)
{
    return static_cast<int>(std::count_if(journal.begin(), journal.end(),
                                          [kind](const LinkEvent& e) { return e.kind == kind; }));
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

namespace {

std::string hexBytes(const LinkBytes& bytes)
{
    std::string text;
    char buf[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, i == 0 ? "%02X" : ".%02X", bytes[i]);
        text += buf;
    }
    return text;
}

} // namespace

std::string Describe(const Journal& journal)
{
    std::string text;
    for (const LinkEvent& e : journal) {
        switch (e.kind) {
        case LinkEvent::Open: text += "O"; break;
        case LinkEvent::Configure: text += "K"; break;
        case LinkEvent::PurgeAll: text += "P"; break;
        case LinkEvent::Clear: text += "L"; break;
        case LinkEvent::Write: text += "w" + hexBytes(e.bytes); break;
        case LinkEvent::Read:
            text += "r" + std::to_string(e.value) + (e.text.isEmpty() ? "=" + hexBytes(e.bytes) : "!");
            break;
        case LinkEvent::Close: text += "X"; break;
        case LinkEvent::Dispatch: text += "d"; break;
        case LinkEvent::CancelCheck: text += "c"; break;
        case LinkEvent::Sleep: text += "s" + std::to_string(e.value); break;
        case LinkEvent::Progress: text += "p" + std::to_string(e.value); break;
        case LinkEvent::Message: text += "m"; break;
        case LinkEvent::AskRetry: text += "RETRY"; break;
        case LinkEvent::AskVersion: text += "VERSION"; break;
        }
        text += ' ';
    }
    return text;
}
