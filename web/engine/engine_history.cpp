// The form's history in the page: each change recorded as a step after it is
// made, with the form it left; Undo and Redo put a recorded form back whole,
// the model switch's emptied channels included.

#include "web/engine/engine_session.h"

#include "image/text_fill.h"
#include "image/ui_text.h"

FormSnapshot EngineSession::snapshot() const
{
    return TakeSnapshot(m_form, m_appliedModel, m_current);
}

void EngineSession::noteChange(const FormStep& step, GridCell before, GridCell after)
{
    m_current = after;
    (void)m_history.Record(step, snapshot(), before);
}

bool EngineSession::modified() const
{
    return m_history.IsModified(snapshot());
}

std::optional<GridCell> EngineSession::Undo()
{
    return restore(m_history.Undo());
}

std::optional<GridCell> EngineSession::Redo()
{
    return restore(m_history.Redo());
}

std::optional<GridCell> EngineSession::restore(const std::optional<FormSnapshot>& shown)
{
    if (!shown)
        return std::nullopt;
    RestoreSnapshot(*shown, m_form, m_appliedModel);
    m_current = shown->current;
    return m_current;
}

std::string EngineSession::UndoText() const
{
    const std::optional<FormStep> step = m_history.UndoStep();
    return step ? FillText(HMPROG_TEXT("Undo %1"), {FillText(DescribeStep(*step))}) : HMPROG_TEXT("Undo");
}

std::string EngineSession::RedoText() const
{
    const std::optional<FormStep> step = m_history.RedoStep();
    return step ? FillText(HMPROG_TEXT("Redo %1"), {FillText(DescribeStep(*step))}) : HMPROG_TEXT("Redo");
}
