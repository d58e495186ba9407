// The form's history: each change recorded as a step after it is made, with
// the form it left; Undo and Redo put a recorded form back whole, the model
// switch's emptied channels included.

#include "form/form_session.h"

#include "image/text_fill.h"
#include "image/ui_text.h"

FormSnapshot FormSession::snapshot() const
{
    return TakeSnapshot(m_form, m_appliedModel, m_current);
}

void FormSession::NoteChange(const FormStep& step, GridCell before, GridCell after)
{
    m_current = after;
    (void)m_history.Record(step, snapshot(), before);
}

std::optional<GridCell> FormSession::Undo()
{
    return restore(m_history.Undo());
}

std::optional<GridCell> FormSession::Redo()
{
    return restore(m_history.Redo());
}

std::optional<GridCell> FormSession::restore(const std::optional<FormSnapshot>& shown)
{
    if (!shown)
        return std::nullopt;
    RestoreSnapshot(*shown, m_form, m_appliedModel);
    m_current = shown->current;
    return m_current;
}

std::string FormSession::UndoText() const
{
    const std::optional<FormStep> step = m_history.UndoStep();
    if (!step)
        return m_translate(HMPROG_TEXT("Undo"));
    return FillText(m_translate(HMPROG_TEXT("Undo %1")), {FillText(DescribeStep(*step), m_translate)});
}

std::string FormSession::RedoText() const
{
    const std::optional<FormStep> step = m_history.RedoStep();
    if (!step)
        return m_translate(HMPROG_TEXT("Redo"));
    return FillText(m_translate(HMPROG_TEXT("Redo %1")), {FillText(DescribeStep(*step), m_translate)});
}
