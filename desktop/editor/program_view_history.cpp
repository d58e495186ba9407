// The form's history, kept by the form session: every change is recorded as
// a step after it is made, with the form it left; Undo and Redo put a
// recorded form back whole and the grid's current cell with it.

#include "editor/program_view.h"

#include "grid/ms_flex_grid.h"

#include <QLineEdit>

GridCell CProgramView::currentCell() const
{
    return {m_grid->GetRow(), m_grid->GetCol()};
}

FormSession& CProgramView::Session()
{
    m_session->SetCurrentCell(currentCell());
    return *m_session;
}

void CProgramView::NoteChange(const FormStep& step)
{
    NoteChange(step, currentCell());
}

void CProgramView::NoteChange(const FormStep& step, GridCell before)
{
    Session().NoteChange(step, before, currentCell());
    emit HistoryChanged();
}

void CProgramView::commitPendingEdits()
{
    CommitOpenEditor();
    // The code is a step once the edit field is left; Undo leaves it too.
    NoteChange(FormStep{StepKind::PttIdCode});
}

void CProgramView::OnEditUndo()
{
    commitPendingEdits();
    restore(Session().Undo());
}

void CProgramView::OnEditRedo()
{
    commitPendingEdits();
    restore(Session().Redo());
}

void CProgramView::restore(const std::optional<GridCell>& shown)
{
    if (!shown)
        return;
    if (shown->row > 0 && shown->col > 0)
        m_grid->SelectRows(shown->row, shown->row, shown->col);
    emit HistoryChanged();
}

bool CProgramView::IsModified() const
{
    return m_session->Modified();
}

void CProgramView::MarkSaved()
{
    m_session->MarkSaved();
    emit HistoryChanged();
}

QString CProgramView::UndoText() const
{
    return QString::fromStdString(m_session->UndoText());
}

QString CProgramView::RedoText() const
{
    return QString::fromStdString(m_session->RedoText());
}
