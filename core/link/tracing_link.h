#pragma once

#include "link/forwarding_link.h"

#include <chrono>
#include <string_view>

// Where a trace's lines go; the host keeps them in a file of the user's.
class TraceSink {
public:
    virtual ~TraceSink() = default;
    // One line, without its line end.
    virtual void Line(std::string_view text) = 0;
};

// Wraps a link and writes down everything that passes through it: each
// operation on a line of its own with the milliseconds since the port was
// opened, and every byte sent (TX) and received (RX) in hex. What a user sends
// along when a radio will not talk. Pauses pass through untraced.
class TracingLink final : public ForwardingLink {
public:
    TracingLink(SerialLink& inner, TraceSink& sink) : ForwardingLink(inner), m_sink(sink) {}

    OpenStatus Open(const std::string& name) override;
    void Configure() override;
    void PurgeAll() override;
    void Clear() override;
    WriteResult Write(std::span<const std::uint8_t> bytes) override;
    ReadResult Read(std::size_t n) override;
    void Close() override;

private:
    void line(std::string_view text);

    TraceSink& m_sink;
    std::chrono::steady_clock::time_point m_opened{};
    bool m_isOpen = false;
};
