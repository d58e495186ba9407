#pragma once

#include "link/forwarding_link.h"

#include <cstddef>
#include <memory>

// What a link check saw on the line beside the blocks themselves.
struct LineCounts {
    std::size_t bytesSent = 0;
    std::size_t bytesReceived = 0;
    // Bytes handed back as they were sent: a cable whose receive line hears
    // its own transmit line. Only the wake-up bytes, the M byte and the STX
    // are looked for: a block's reply header repeats its request, and an
    // echoed ACK cannot be told from the radio's own.
    std::size_t echoes = 0;
    // Bytes where the radio answers with ACK or SYN that were neither those
    // nor an echo: noise on the line, or a wrong line speed.
    std::size_t garbage = 0;
    // Wake-up attempts after the first of each transfer.
    std::size_t retries = 0;

    LineCounts& operator+=(const LineCounts& other);
};

// Counts into counts what passes between the protocol and the link under it,
// for one transfer. Each wake-up attempt begins with a purge of both
// directions, so every purge after the transfer's first is a retry.
class CableCheckLink final : public ForwardingLink {
public:
    CableCheckLink(SerialLink& inner, LineCounts& counts) : ForwardingLink(inner), m_counts(counts) {}
    // Over a link of the host's own, which it keeps for the transfer.
    CableCheckLink(std::unique_ptr<SerialLink> hostLink, LineCounts& counts)
        : ForwardingLink(*hostLink), m_owned(std::move(hostLink)), m_counts(counts)
    {
    }

    void PurgeAll() override;
    void Clear() override;
    WriteResult Write(std::span<const std::uint8_t> bytes) override;
    ReadResult Read(std::size_t n) override;

private:
    void countAnswer(std::uint8_t byte);

    std::unique_ptr<SerialLink> m_owned;
    LineCounts& m_counts;
    bool m_purged = false;
    // The single byte written since the last clear, when an echo of it
    // could be told from an answer.
    int m_echoable = -1;
    // The next read answers a write (not the rest of an earlier reply).
    bool m_answerDue = false;
};
