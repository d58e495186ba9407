#pragma once

#include "link/identification.h"
#include "link/serial_link.h"

#include <optional>

// Passes everything through to the link underneath and notes the range the
// radio reports in its identification, so that a fleet run can say which
// radio is on each port, the ones it refuses to write included.
class IdentifyingLink final : public SerialLink {
public:
    IdentifyingLink(SerialLink& inner, std::optional<RadioRange>& reported) : m_inner(inner), m_reported(reported) {}

    OpenStatus Open(const std::string& name) override { return m_inner.Open(name); }
    void Configure() override { m_inner.Configure(); }
    void PurgeAll() override { m_inner.PurgeAll(); }
    void Clear() override { m_inner.Clear(); }
    WriteResult Write(std::span<const std::uint8_t> bytes) override { return m_inner.Write(bytes); }
    ReadResult Read(std::size_t n) override;
    void Sleep(std::chrono::milliseconds duration) override { m_inner.Sleep(duration); }
    void Close() override { m_inner.Close(); }

private:
    SerialLink& m_inner;
    std::optional<RadioRange>& m_reported;
};

// "HM-615V (136-174 MHz)", or "400-480 MHz" for a range no known model reports.
[[nodiscard]] std::string RadioRangeText(RadioRange range);
