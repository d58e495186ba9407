// Whole channels: copied, cut and pasted as the tab-separated text
// spreadsheets use, moved one place at a time, emptied, removed and added.
// Each change is one step of the form's history, made at the current cell;
// a cut, a paste and a move take the current cell along to the first channel
// they leave in place, in the column it was in.

#include "form/form_session.h"

#include "codec/frequency.h"
#include "form/form_actions.h"
#include "form/form_contents.h"
#include "form/paste_report.h"
#include "image/text_fill.h"

#include <algorithm>

GridCell FormSession::movedTo(long channel) const
{
    return {channel, std::max(m_current.col, long{kColRxFreq})};
}

bool FormSession::isChannelSpan(ChannelSpan channels) const
{
    return channels.first >= 1 && channels.first <= channels.last && channels.last < m_form.GetRows();
}

void FormSession::AddChannel(long row)
{
    if (!isChannelSpan({row, row}))
        return;
    AddChannelAt(m_form, row);
    NoteChange({StepKind::AddChannel, row});
}

std::string FormSession::CopyRows(ChannelSpan channels) const
{
    return isChannelSpan(channels) ? ChannelRowsText(m_form, channels) : std::string();
}

std::string FormSession::CutRows(ChannelSpan channels)
{
    if (!isChannelSpan(channels))
        return {};
    std::string text = ChannelRowsText(m_form, channels);
    DeleteChannels(m_form, channels);
    NoteChange({StepKind::CutChannels, channels.first, channels.last}, m_current, movedTo(channels.first));
    return text;
}

RowsPaste FormSession::PasteRows(long row, std::string_view text)
{
    if (!isChannelSpan({row, row}))
        return {};
    const PasteOutcome outcome = PasteChannelRows(m_form, row, text, g_bandLow, g_bandHigh);
    const GridCell after = outcome.written.count() > 0 ? movedTo(outcome.written.first) : m_current;
    NoteChange({StepKind::Paste, outcome.written.first, outcome.written.last}, m_current, after);
    return pasteReport(outcome);
}

// Told, never asked: the core's report of the paste, each line translated
// before its values are filled in, so that a pasted "%2" stays as it was.
RowsPaste FormSession::pasteReport(const PasteOutcome& outcome) const
{
    RowsPaste paste{outcome.written, {}, {}, {}};
    for (const PasteReportLine& line : PasteReport(outcome)) {
        const std::string text = FillText(line.text, m_translate);
        paste.report += (paste.report.empty() ? "" : " ") + text;
        if (paste.summary.empty())
            paste.summary = text;
        if (line.aboutARow)
            paste.rowLines.push_back(text);
    }
    return paste;
}

bool FormSession::MoveRows(ChannelSpan channels, int by)
{
    if (!isChannelSpan(channels) || (by != -1 && by != 1) || !MoveChannels(m_form, channels, by))
        return false;
    NoteChange({StepKind::Move, channels.first + by, channels.last + by}, m_current, movedTo(channels.first + by));
    return true;
}

void FormSession::ClearRows(ChannelSpan channels)
{
    if (!isChannelSpan(channels))
        return;
    ClearChannels(m_form, channels);
    NoteChange({StepKind::ClearChannels, channels.first, channels.last});
}

void FormSession::DeleteRows(ChannelSpan channels)
{
    if (!isChannelSpan(channels))
        return;
    DeleteChannels(m_form, channels);
    NoteChange({StepKind::DeleteChannels, channels.first, channels.last});
}
