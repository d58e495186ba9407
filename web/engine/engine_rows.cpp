// Whole channels in the page: copied, cut and pasted as the tab-separated
// text spreadsheets use, moved one place at a time, emptied and removed.
// Each change is one step of the form's history.

#include "web/engine/engine_session.h"

#include "codec/frequency.h"
#include "form/form_contents.h"
#include "form/paste_report.h"
#include "image/text_fill.h"
#include "image/ui_text.h"

namespace {

// Told, never asked: the core's report of the paste, its lines in one.
std::string pasteReport(const PasteOutcome& outcome)
{
    std::string report;
    for (const PasteReportLine& line : PasteReport(outcome))
        report += (report.empty() ? "" : " ") + FillText(line.text);
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
