#pragma once

#include "image/radio_image.h"
#include "link/identification.h"
#include "link/serial_link.h"
#include "link/transfer_host.h"
#include "link/transfer_types.h"
#include "sim/sim_clock.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Everything the engine does to the link and the host, in order.
struct LinkEvent {
    enum Kind { Open, Configure, PurgeAll, Clear, Write, Read, Close, Dispatch, CancelCheck, Sleep, Progress,
                Message, AskRetry, AskVersion };
    Kind kind = Open;
    LinkBytes bytes{};   // Write: sent; Read: received
    int value = 0;       // Read: bytes asked; Sleep: ms; Progress: steps
    std::string text{};  // Message, AskRetry
    bool failed = false; // Read: the call itself failed
};
using Journal = std::vector<LinkEvent>;

// A link that answers each read call from a script, one entry per call (an
// entry longer than the read is taken over several calls); reads past the
// script are silent. A read that times out moves the virtual clock by its
// whole time-out; a pause moves it by the pause.
class ScriptedLink final : public SerialLink {
public:
    ScriptedLink(Journal& journal, VirtualClock& clock) : m_journal(journal), m_clock(clock) {}

    void Answer(LinkBytes bytes) { m_script.push_back({std::move(bytes), false}); }
    void AnswerSilence() { m_script.push_back({{}, false}); }
    void AnswerFailedCall() { m_script.push_back({{}, true}); }
    // The next count one-byte writes of ACK fail.
    void RefuseAckWrites(int count) { m_refusedAcks = count; }

    OpenStatus Open(const std::string& name) override;
    void Configure() override { m_journal.push_back({LinkEvent::Configure}); }
    void PurgeAll() override { m_journal.push_back({LinkEvent::PurgeAll}); }
    void Clear() override { m_journal.push_back({LinkEvent::Clear}); }
    WriteResult Write(std::span<const std::uint8_t> bytes) override;
    ReadResult Read(std::size_t n) override;
    void Sleep(std::chrono::milliseconds duration) override;
    void Close() override { m_journal.push_back({LinkEvent::Close}); }

private:
    struct Entry {
        LinkBytes bytes;
        bool fails;
    };
    Journal& m_journal;
    VirtualClock& m_clock;
    std::deque<Entry> m_script;
    int m_refusedAcks = 0;
};

// A host that writes down every call, answers the prompts from lists (Cancel
// once they run out) and reports Cancel from the given dispatch on.
class RecordingHost final : public TransferHost {
public:
    explicit RecordingHost(Journal& journal) : m_journal(journal) {}

    std::deque<RetryAnswer> retryAnswers;
    std::deque<VersionAnswer> versionAnswers;
    int cancelFromDispatch = 0; // 0: never
    std::function<void()> duringDispatch; // what a dispatch does besides, e.g. take time
    std::vector<TransferStatus> statuses;

    void DispatchOne() override;
    bool CancelRequested() override;
    void Progress(int steps) override { m_journal.push_back({LinkEvent::Progress, {}, steps}); }
    void ShowStatus(const TransferStatus& status) override { statuses.push_back(status); }
    void ShowMessage(const std::string& text) override { m_journal.push_back({LinkEvent::Message, {}, 0, text}); }
    RetryAnswer AskRetry(const std::string& text) override;
    VersionAnswer AskVersion() override;

private:
    Journal& m_journal;
    int m_dispatches = 0;
};

// One engine run against a scripted radio.
struct Bench {
    Journal journal;
    VirtualClock clock;
    ScriptedLink link{journal, clock};
    RecordingHost host{journal};

    TransferResult Run(TransferDirection direction, RadioImage& image, BandLimits band = {});
};

inline constexpr IdentificationHead kRadio136To174{0x64, 0x17, 0x13};
inline constexpr BandLimits kBand136To174{13600000, 17400000};
inline constexpr BandLimits kBand400To520{40000000, 52000000};

// Answers of a radio that does everything right: the identification and ACK
// to its ACK; ScriptOpening puts the SYN to the wake-up in front.
void ScriptIdentification(ScriptedLink& link, IdentificationHead id = kRadio136To174);
void ScriptOpening(ScriptedLink& link, IdentificationHead id = kRadio136To174);
// Reply (with a header of noise) and ACK for read blocks [first, end).
void ScriptReadBlocks(ScriptedLink& link, const RadioImage& memory, std::size_t first, std::size_t end);
void ScriptWriteAnswers(ScriptedLink& link, std::size_t count, std::uint8_t answer = 0x06);
// A whole transfer with a radio that does everything right.
void ScriptTransfer(ScriptedLink& link, TransferDirection direction, const RadioImage& memory);

// A memory whose neighbouring bytes differ.
RadioImage PatternImage(std::uint8_t seed);

int Count(const Journal& journal, LinkEvent::Kind kind);
std::vector<LinkBytes> Writes(const Journal& journal);
// Addresses of the 4-byte read requests ('R') or write-frame headers ('W').
std::vector<std::size_t> FrameAddresses(const Journal& journal, std::uint8_t kind);
// The events up to (not including) the first one of the given kind.
Journal Before(const Journal& journal, LinkEvent::Kind kind);
// The text of the last message shown, empty if none.
std::string LastMessage(const Journal& journal);

// The journal as words, one per event, for comparing whole stretches:
// d dispatch, c cancel check, s2 sleep 2 ms, P purge all, L clear,
// w4D write, r1=16 a read of 1 that got 16 (r1= got nothing, r1! failed),
// p1 progress, m message, RETRY, VERSION, O open, K configure, X close.
std::string Describe(const Journal& journal);
std::string Hex(std::span<const std::uint8_t> bytes);
std::string Repeat(const std::string& words, int count);
