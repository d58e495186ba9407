#pragma once

#include "link/identification.h"
#include "link/forwarding_link.h"

#include <functional>

// Passes everything through to the link underneath and tells the range the
// radio reports in its identification as soon as it arrives, so that a fleet
// run can say which radio is on each port, the ones it refuses to write
// included.
class IdentifyingLink final : public ForwardingLink {
public:
    using Identified = std::function<void(RadioRange)>;

    IdentifyingLink(SerialLink& inner, Identified identified) : ForwardingLink(inner), m_identified(std::move(identified)) {}

    ReadResult Read(std::size_t n) override;

private:
    Identified m_identified;
};

// "HM-615V (136-174 MHz)", or "400-480 MHz" for a range no known model reports.
[[nodiscard]] std::string RadioRangeText(RadioRange range);
