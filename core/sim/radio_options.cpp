#include "radio_options.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<std::string_view, RadioFault>, 14> kFaults = {{
    {"none", RadioFault::None},
    {"silent", RadioFault::Silent},
    {"ack-wakeup", RadioFault::AckWakeUp},
    {"noise-then-syn", RadioFault::NoiseThenSyn},
    {"short-id", RadioFault::ShortIdentification},
    {"nak-id", RadioFault::NakIdentification},
    {"short-block", RadioFault::ShortBlock},
    {"no-block-ack", RadioFault::NoBlockAck},
    {"syn-block-ack", RadioFault::SynBlockAck},
    {"nak-write", RadioFault::NakWrite},
    {"silent-write", RadioFault::SilentWrite},
    {"syn-write", RadioFault::SynWrite},
    {"store-wrong", RadioFault::StoreWrong},
    {"flaky-read", RadioFault::FlakyRead},
}};

constexpr std::array<std::pair<std::string_view, RadioRange>, 3> kRanges = {{
    {"136-174", {136, 174}},
    {"136-480", {136, 480}},
    {"400-520", {400, 520}},
}};

} // namespace

std::optional<RadioRange> ParseRadioRange(std::string_view text)
{
    for (const auto& [name, range] : kRanges) {
        if (name == text)
            return range;
    }
    return std::nullopt;
}

std::optional<RadioFault> ParseRadioFault(std::string_view name)
{
    for (const auto& [faultName, fault] : kFaults) {
        if (faultName == name)
            return fault;
    }
    return std::nullopt;
}

std::vector<std::string_view> RadioFaultNames()
{
    std::vector<std::string_view> names;
    for (const auto& entry : kFaults)
        names.push_back(entry.first);
    return names;
}
