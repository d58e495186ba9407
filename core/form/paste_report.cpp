#include "form/paste_report.h"

#include "image/ui_text.h"

namespace {

// A typed cell is shown as far as a user can take it in at a glance.
constexpr std::size_t kLongestTypedShown = 20;

std::string shownTyped(const std::string& typed)
{
    if (typed.size() <= kLongestTypedShown)
        return typed;
    std::size_t cut = kLongestTypedShown - 1;
    // Never in the middle of a UTF-8 character.
    while (cut > 0 && (static_cast<unsigned char>(typed[cut]) & 0xC0) == 0x80)
        --cut;
    return typed.substr(0, cut) + "\u2026";
}

std::string channelList(const std::vector<long>& channels)
{
    std::string list;
    for (long channel : channels)
        list += (list.empty() ? "" : ", ") + std::to_string(channel);
    return list;
}

PasteReportLine frequencyLine(const PastedFrequencyChange& change)
{
    const char* text = change.transmit ? HMPROG_TEXT("Channel %1 Tx Freq: %2 typed, %3 stored.")
                                       : HMPROG_TEXT("Channel %1 Rx Freq: %2 typed, %3 stored.");
    return {{text, {std::to_string(change.channel), shownTyped(change.typed), change.stored}}, true};
}

} // namespace

std::vector<PasteReportLine> PasteReport(const PasteOutcome& outcome)
{
    std::vector<PasteReportLine> lines;
    if (outcome.pasted == 1)
        lines.push_back({{HMPROG_TEXT("1 channel pasted."), {}}, false});
    else
        lines.push_back({{HMPROG_TEXT("%1 channels pasted."), {std::to_string(outcome.pasted)}}, false});
    for (const PastedFrequencyChange& change : outcome.frequencyChanges)
        lines.push_back(frequencyLine(change));
    if (!outcome.refused.empty())
        lines.push_back({{HMPROG_TEXT("Not pasted, a value this radio cannot hold: channel %1."),
                          {channelList(outcome.refused)}},
                         true});
    if (outcome.beyondLast == 1)
        lines.push_back({{HMPROG_TEXT("1 row found no channel below the last."), {}}, false});
    else if (outcome.beyondLast > 1)
        lines.push_back({{HMPROG_TEXT("%1 rows found no channel below the last."),
                          {std::to_string(outcome.beyondLast)}},
                         false});
    return lines;
}
