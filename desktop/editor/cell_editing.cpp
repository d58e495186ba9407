// Editing the channel grid in place. The grid only shows text; a cell is
// edited by laying one of the three hidden editors over it and giving it the
// focus. Whenever the editor loses the focus, for whatever reason, its value
// is stored into the cell it was opened on and the editor is hidden again;
// there is no way to abandon an edit.

#include "editor/program_view.h"

#include "form/form_contents.h"

#include "grid/ms_flex_grid.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace {

// The items of the option editor for grid columns 5 to 8, in list order.
QStringList optionItems(long col)
{
    QStringList items;
    for (const std::string& item : CellOptionItems(col))
        items << QString::fromStdString(item);
    return items;
}

bool isFrequencyColumn(long col)
{
    return col == kColRxFreq || col == kColTxFreq;
}

bool isToneColumn(long col)
{
    return col == kColRxTone || col == kColTxTone;
}

bool isDigit(short character)
{
    return character >= '0' && character <= '9';
}

} // namespace

// ---- opening an editor

void CProgramView::BeginCellEdit()
{
    CommitOpenEditor();

    const long row = m_grid->GetRow();
    // Editing a channel not in use starts with its receive frequency.
    if (m_grid->GetTextMatrix(row, kColRxFreq).isEmpty())
        m_grid->SetCol(kColRxFreq);
    const long col = m_grid->GetCol();
    const QString text = m_grid->GetTextMatrix(row, col);

    if (isFrequencyColumn(col)) {
        m_editCell->setText(text);
        showEditor(m_editCell, row, col);
        m_editCell->selectAll();
    } else if (isToneColumn(col)) {
        const int index = std::max(m_comboCellTone->findText(text, Qt::MatchStartsWith), 0);
        // This also puts the item's text back over any text typed last time.
        m_comboCellTone->setCurrentIndex(index);
        showEditor(m_comboCellTone, row, col);
        m_comboCellTone->lineEdit()->selectAll();
    } else if (col >= kColBusy && col < m_grid->GetCols()) {
        m_comboCellOption->clear();
        m_comboCellOption->addItems(optionItems(col));
        m_comboCellOption->setCurrentIndex(m_comboCellOption->findText(text, Qt::MatchStartsWith));
        showEditor(m_comboCellOption, row, col);
    }
}

void CProgramView::OnKeyPressGrid(short* KeyAscii)
{
    const long row = m_grid->GetRow();
    if (m_grid->GetTextMatrix(row, kColRxFreq).isEmpty())
        m_grid->SetCol(kColRxFreq);
    const long col = m_grid->GetCol();
    if (!isFrequencyColumn(col) || !isDigit(*KeyAscii))
        return;

    CommitOpenEditor();
    m_editCell->setText(QString(QChar(*KeyAscii)));
    showEditor(m_editCell, row, col);
    m_editCell->setCursorPosition(1);
}

void CProgramView::OnMouseDownGrid(short Button, short Shift, long /*x*/, long /*y*/)
{
    if (Button != 1)
        return;
    // Shift+click picks several channels; it opens no editor.
    if (Shift & 1) {
        CommitOpenEditor();
        m_grid->SetHighLight(2);
        return;
    }
    // A press on the channel numbers picks the channel for Delete and Add.
    if (m_grid->GetMouseCol() == kColNumber) {
        if (m_grid->GetHighLight() != 2)
            m_grid->SetHighLight(2);
        return;
    }
    if (m_grid->GetHighLight() != 0)
        m_grid->SetHighLight(0);
    BeginCellEdit();
}

void CProgramView::OnEnterCellGrid()
{
    const long highLight = m_grid->GetMouseCol() == kColNumber ? 2 : 0;
    if (m_grid->GetHighLight() != highLight)
        m_grid->SetHighLight(highLight);
}

// The editor covers the cell exactly: the cell's corner inside the grid's
// frame, the cell's own width and height.
void CProgramView::showEditor(QWidget* editor, long row, long col)
{
    m_editRow = row;
    m_editCol = col;
    const int frame = m_grid->frameWidth();
    const QPoint gridCorner = m_grid->mapTo(this, QPoint(frame, frame));
    const QPoint cellCorner(m_grid->TwipsToPixelsX(m_grid->GetColPos(col)),
                            m_grid->TwipsToPixelsY(m_grid->GetRowPos(row)));
    const QSize cellSize(m_grid->TwipsToPixelsX(m_grid->GetColWidth(col)),
                         m_grid->TwipsToPixelsY(m_grid->GetRowHeight(row)));
    editor->setGeometry(QRect(gridCorner + cellCorner, cellSize));
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}

// ---- storing the value

void CProgramView::OnKillFocusCellEdit()
{
    if (!m_editCell->isHidden() && !m_bCommitting)
        commitEditor(m_editCell, m_editCell->text());
}

void CProgramView::OnKillFocusCellTone()
{
    if (!m_comboCellTone->isHidden() && !m_bCommitting)
        commitEditor(m_comboCellTone, m_comboCellTone->currentText());
}

void CProgramView::OnKillFocusCellOption()
{
    if (!m_comboCellOption->isHidden() && !m_bCommitting)
        commitEditor(m_comboCellOption, m_comboCellOption->currentText());
}

// The session stores the text by the rules of typing: a tone the channel
// cannot hold is dropped, the cell keeping the tone it showed.
void CProgramView::commitEditor(QWidget* editor, const QString& typed)
{
    m_bCommitting = true;
    const CellCommit commit = Session().CommitCell(m_editRow, m_editCol, typed.toStdString());
    closeEditor(editor);
    m_bCommitting = false;
    emit HistoryChanged();
    // Told, never asked: the editor shows no message box.
    if (!commit.message.empty())
        emit StatusMessage(QString::fromStdString(commit.message));
}

void CProgramView::CommitOpenEditor()
{
    OnKillFocusCellEdit();
    OnKillFocusCellTone();
    OnKillFocusCellOption();
}

// A hidden control keeps no focus: the grid takes it, rather than the next
// control of the tab order.
void CProgramView::closeEditor(QWidget* editor)
{
    if (editor->hasFocus() || window()->focusWidget() == editor)
        m_grid->setFocus(Qt::OtherFocusReason);
    editor->hide();
}
