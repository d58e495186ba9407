// Whole channels: copied, cut and pasted as tab-separated text through the
// clipboard, so that they go between this program, a spreadsheet and
// another instance; moved up and down; emptied in place.

#include "editor/program_view.h"

#include "form/form_contents.h"
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
    const std::string text = m_session->CopyRows(SelectedChannels());
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void CProgramView::OnEditCut()
{
    CommitOpenEditor();
    const ChannelSpan channels = SelectedChannels();
    const std::string text = Session().CutRows(channels);
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    SelectChannels({channels.first, channels.first});
    emit HistoryChanged();
}

void CProgramView::OnEditPaste()
{
    CommitOpenEditor();
    const QString text = QGuiApplication::clipboard()->text();
    const RowsPaste paste = Session().PasteRows(SelectedChannels().first, text.toStdString());
    if (paste.written.count() > 0)
        SelectChannels(paste.written);
    emit HistoryChanged();
    showPasteReport(paste);
}

// Told, never asked: which rows were changed to fit and which were left out.
// The rows not pasted as they came go to the frame as well, which lists them
// when the status bar cannot show them all.
void CProgramView::showPasteReport(const RowsPaste& paste)
{
    emit StatusMessage(QString::fromStdString(paste.report));
    if (paste.rowLines.empty())
        return;
    QStringList rows;
    for (const std::string& line : paste.rowLines)
        rows << QString::fromStdString(line);
    emit PasteRowsReported(QString::fromStdString(paste.summary), rows);
}

void CProgramView::OnClearChannels()
{
    CommitOpenEditor();
    Session().ClearRows(SelectedChannels());
    emit HistoryChanged();
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
    if (!Session().MoveRows(channels, by))
        return;
    SelectChannels({channels.first + by, channels.last + by});
    emit HistoryChanged();
}
