#pragma once

#include "link/identification.h"
#include "link/serial_link.h"

#include <functional>

// Passes everything through to the link underneath and tells the range the
// radio reports in its identification as soon as it arrives, so that a fleet
// run can say which radio is on each port, the ones it refuses to write
// included.
class IdentifyingLink final : public SerialLink {
public:
    using Identified = std::function<void(RadioRange)>;

    IdentifyingLink(SerialLink& inner, Identified identified) : m_inner(inner), m_identified(std::move(identified)) {}

    OpenStatus Open(const std::string& name) override { return m_inner.Open(name); }
    void Configure() override { m_inner.Configure(); }
    void PurgeAll() override { m_inner.PurgeAll(); }
    void Clear() override { m_inner.Clear(); }
    WriteResult Write(std::span<const std::uint8_t> bytes) override { return m_inner.Write(bytes); }
    ReadResult Read(std::size_t n) override;
    void Sleep(std::chrono::milliseconds duration) override { m_inner.Sleep(duration); }
    void SleepAfterAnswer(std::chrono::milliseconds duration) override { m_inner.SleepAfterAnswer(duration); }
    void Close() override { m_inner.Close(); }

private:
    SerialLink& m_inner;
    Identified m_identified;
};

// "HM-615V (136-174 MHz)", or "400-480 MHz" for a range no known model reports.
[[nodiscard]] std::string RadioRangeText(RadioRange range);
