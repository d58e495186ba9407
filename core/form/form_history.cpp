#include "form/form_history.h"

void FormHistory::Clear(const FormSnapshot& loaded)
{
    m_steps.clear();
    m_next = 0;
    m_shown = loaded;
    m_saved = loaded;
}

bool FormHistory::Record(const FormStep& step, const FormSnapshot& after, GridCell before)
{
    if (after.SameContents(m_shown)) {
        m_shown.current = after.current;
        return false;
    }
    Step taken{step, m_shown, after};
    taken.before.current = before;
    m_steps.resize(m_next);
    m_steps.push_back(std::move(taken));
    if (m_steps.size() > kMostSteps)
        m_steps.erase(m_steps.begin());
    m_next = m_steps.size();
    m_shown = after;
    return true;
}

std::optional<FormStep> FormHistory::UndoStep() const
{
    if (!CanUndo())
        return std::nullopt;
    return m_steps[m_next - 1].step;
}

std::optional<FormStep> FormHistory::RedoStep() const
{
    if (!CanRedo())
        return std::nullopt;
    return m_steps[m_next].step;
}

std::optional<FormSnapshot> FormHistory::Undo()
{
    if (!CanUndo())
        return std::nullopt;
    --m_next;
    m_shown = m_steps[m_next].before;
    return m_shown;
}

std::optional<FormSnapshot> FormHistory::Redo()
{
    if (!CanRedo())
        return std::nullopt;
    m_shown = m_steps[m_next].after;
    ++m_next;
    return m_shown;
}
