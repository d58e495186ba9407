// Whole channels in the page: copied, cut and pasted as the tab-separated
// text spreadsheets use, moved one place at a time, emptied and removed.
// Each change is one step of the form's history.

#include "web/engine/engine_session.h"

#include "codec/frequency.h"
#include "form/form_contents.h"
#include "image/text_fill.h"
#include "image/ui_text.h"

namespace {

std::string channelList(const std::vector<long>& channels)
{
    std::string list;
    for (long channel : channels)
        list += (list.empty() ? "" : ", ") + std::to_string(channel);
    return list;
}

// Told, never asked: which rows were changed to fit and which were left out.
std::string pasteReport(const PasteOutcome& outcome)
{
    const std::string pasted = std::to_string(outcome.pasted);
    std::string report = outcome.pasted == 1 ? std::string(HMPROG_TEXT("1 channel pasted."))
                                             : FillText(HMPROG_TEXT("%1 channels pasted."), {pasted});
    if (!outcome.changed.empty())
        report += ' ' + FillText(HMPROG_TEXT("Frequency brought into the band or onto the raster: channel %1."),
                                 {channelList(outcome.changed)});
    if (!outcome.refused.empty())
        report += ' ' + FillText(HMPROG_TEXT("Not pasted, a value this radio cannot hold: channel %1."),
                                 {channelList(outcome.refused)});
    if (outcome.beyondLast == 1)
        report += ' ' + std::string(HMPROG_TEXT("1 row found no channel below the last."));
    else if (outcome.beyondLast > 1)
        report += ' ' + FillText(HMPROG_TEXT("%1 rows found no channel below the last."),
                                 {std::to_string(outcome.beyondLast)});
    return report;
}

} // namespace

bool EngineSession::isChannelSpan(ChannelSpan channels) const
{
    return channels.first >= 1 && channels.first <= channels.last && channels.last < m_form.GetRows();
}

std::string EngineSession::CopyRows(ChannelSpan channels) const
{
    return isChannelSpan(channels) ? ChannelRowsText(m_form, channels) : std::string();
}

std::string EngineSession::CutRows(ChannelSpan channels)
{
    if (!isChannelSpan(channels))
        return {};
    std::string text = ChannelRowsText(m_form, channels);
    DeleteChannels(m_form, channels);
    noteChange({StepKind::CutChannels, channels.first, channels.last}, {channels.first, kColRxFreq});
    return text;
}

RowsPaste EngineSession::PasteRows(int row, const std::string& text)
{
    if (!isChannelSpan({row, row}))
        return {};
    const PasteOutcome outcome = PasteChannelRows(m_form, row, text, g_bandLow, g_bandHigh);
    noteChange({StepKind::Paste, outcome.written.first, outcome.written.last}, {row, kColRxFreq});
    return {outcome.written, pasteReport(outcome)};
}

bool EngineSession::MoveRows(ChannelSpan channels, int by)
{
    if (!isChannelSpan(channels) || (by != -1 && by != 1) || !MoveChannels(m_form, channels, by))
        return false;
    noteChange({StepKind::Move, channels.first + by, channels.last + by}, {channels.first, kColRxFreq},
               {channels.first + by, kColRxFreq});
    return true;
}

void EngineSession::ClearRows(ChannelSpan channels)
{
    if (!isChannelSpan(channels))
        return;
    ClearChannels(m_form, channels);
    noteChange({StepKind::ClearChannels, channels.first, channels.last}, {channels.first, kColRxFreq});
}

void EngineSession::DeleteRows(ChannelSpan channels)
{
    if (!isChannelSpan(channels))
        return;
    DeleteChannels(m_form, channels);
    noteChange({StepKind::DeleteChannels, channels.first, channels.last}, {channels.first, kColRxFreq});
}
