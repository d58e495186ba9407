// Whole channels: copied, cut and pasted as tab-separated text through the
// clipboard, so that they go between this program, a spreadsheet and
// another instance; moved up and down; emptied in place.

#include "editor/program_view.h"

#include "codec/frequency.h"
#include "document/core_text.h"
#include "form/form_contents.h"
#include "form/paste_report.h"
#include "grid/ms_flex_grid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStringList>

#include <algorithm>

ChannelSpan CProgramView::SelectedChannels() const
{
    const auto [first, last] = m_grid->GetSelectedRows();
    const long lastChannel = m_grid->GetRows() - 1;
    return {std::clamp(first, 1L, lastChannel), std::clamp(last, 1L, lastChannel)};
}

void CProgramView::SelectChannels(ChannelSpan channels)
{
    m_grid->SelectRows(channels.first, channels.last, std::max(m_grid->GetCol(), long{kColRxFreq}));
    // Several rows are a selection to see; a single one is the current cell.
    if (channels.count() > 1)
        m_grid->SetHighLight(2);
}

void CProgramView::OnEditCopy()
{
    CommitOpenEditor();
    const std::string text = ChannelRowsText(*m_controls, SelectedChannels());
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void CProgramView::OnEditCut()
{
    CommitOpenEditor();
    const ChannelSpan channels = SelectedChannels();
    const GridCell before = currentCell();
    OnEditCopy();
    DeleteChannels(*m_controls, channels);
    SelectChannels({channels.first, channels.first});
    NoteChange({StepKind::CutChannels, channels.first, channels.last}, before);
}

void CProgramView::OnEditPaste()
{
    CommitOpenEditor();
    const QString text = QGuiApplication::clipboard()->text();
    const GridCell before = currentCell();
    const PasteOutcome outcome =
        PasteChannelRows(*m_controls, SelectedChannels().first, text.toStdString(), g_bandLow, g_bandHigh);
    if (outcome.written.count() > 0)
        SelectChannels(outcome.written);
    NoteChange({StepKind::Paste, outcome.written.first, outcome.written.last}, before);
    showPasteOutcome(outcome);
}

// Told, never asked: which rows were changed to fit and which were left out.
// The rows not pasted as they came go to the frame as well, which lists them
// when the status bar cannot show them all.
void CProgramView::showPasteOutcome(const PasteOutcome& outcome)
{
    QStringList said;
    QStringList rows;
    for (const PasteReportLine& line : PasteReport(outcome)) {
        const QString text = CoreText(line.text);
        said << text;
        if (line.aboutARow)
            rows << text;
    }
    emit StatusMessage(said.join(u' '));
    if (!rows.isEmpty())
        emit PasteRowsReported(said.constFirst(), rows);
}

void CProgramView::OnClearChannels()
{
    CommitOpenEditor();
    const ChannelSpan channels = SelectedChannels();
    ClearChannels(*m_controls, channels);
    NoteChange({StepKind::ClearChannels, channels.first, channels.last});
}

void CProgramView::OnMoveUp()
{
    moveChannels(-1);
}

void CProgramView::OnMoveDown()
{
    moveChannels(+1);
}

// The moved channels stay selected, so that they can be moved on.
void CProgramView::moveChannels(int by)
{
    CommitOpenEditor();
    const ChannelSpan channels = SelectedChannels();
    const GridCell before = currentCell();
    if (!MoveChannels(*m_controls, channels, by))
        return;
    SelectChannels({channels.first + by, channels.last + by});
    NoteChange({StepKind::Move, channels.first + by, channels.last + by}, before);
}
