// The form's history: every change is recorded as a step after it is made,
// with the form it left; Undo and Redo put a recorded form back whole.

#include "editor/program_view.h"

#include "document/core_text.h"
#include "grid/ms_flex_grid.h"

#include <QLineEdit>

GridCell CProgramView::currentCell() const
{
    return {m_grid->GetRow(), m_grid->GetCol()};
}

FormSnapshot CProgramView::snapshot() const
{
    return TakeSnapshot(*m_controls, m_appliedModel, currentCell());
}

void CProgramView::startHistory()
{
    m_history.Clear(snapshot());
    emit HistoryChanged();
}

void CProgramView::NoteChange(const FormStep& step)
{
    NoteChange(step, currentCell());
}

void CProgramView::NoteChange(const FormStep& step, GridCell before)
{
    (void)m_history.Record(step, snapshot(), before);
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
    if (const std::optional<FormSnapshot> shown = m_history.Undo())
        restore(*shown);
}

void CProgramView::OnEditRedo()
{
    commitPendingEdits();
    if (const std::optional<FormSnapshot> shown = m_history.Redo())
        restore(*shown);
}

void CProgramView::restore(const FormSnapshot& shown)
{
    RestoreSnapshot(shown, *m_controls, m_appliedModel);
    if (shown.current.row > 0 && shown.current.col > 0)
        m_grid->SelectRows(shown.current.row, shown.current.row, shown.current.col);
    emit HistoryChanged();
}

bool CProgramView::IsModified() const
{
    return m_history.IsModified(snapshot());
}

void CProgramView::MarkSaved()
{
    m_history.MarkSaved(snapshot());
    emit HistoryChanged();
}

// The core's names are translated in its own context, then filled in.
QString CProgramView::stepTitle(const FormStep& step) const
{
    return CoreText(DescribeStep(step));
}

QString CProgramView::UndoText() const
{
    const std::optional<FormStep> step = m_history.UndoStep();
    return step ? tr("Undo %1").arg(stepTitle(*step)) : tr("Undo");
}

QString CProgramView::RedoText() const
{
    const std::optional<FormStep> step = m_history.RedoStep();
    return step ? tr("Redo %1").arg(stepTitle(*step)) : tr("Redo");
}
