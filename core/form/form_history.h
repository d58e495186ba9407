#pragma once

#include "form/form_snapshot.h"
#include "form/form_step.h"

#include <cstddef>
#include <optional>
#include <vector>

// The editor form's history of changes, for Undo and Redo, and whether the
// form differs from what was last loaded or saved. It keeps whole snapshots:
// a step holds the form before and after it, so taking a step back restores
// every control exactly, the model switch's emptied channels included.
//
// The host records a step after each change of the form, with the snapshot
// of the form it now shows and the cell the change was made in.
class FormHistory {
public:
    // The oldest steps are forgotten beyond this many.
    static constexpr std::size_t kMostSteps = 500;

    // A fresh history for a form just loaded (New, Open, a completed read),
    // which is also the form last saved.
    void Clear(const FormSnapshot& loaded);
    // The form as it was just saved: it is no longer modified.
    void MarkSaved(const FormSnapshot& saved) { m_saved = saved; }

    // Records a change that left the form as after; before names the cell
    // the change was made in, where Undo puts the current cell back. False,
    // and nothing recorded, when the form shows what it showed before. A new
    // step forgets the steps that were undone.
    bool Record(const FormStep& step, const FormSnapshot& after, GridCell before);

    [[nodiscard]] bool CanUndo() const { return m_next > 0; }
    [[nodiscard]] bool CanRedo() const { return m_next < m_steps.size(); }
    // The step Undo or Redo would take; nothing when there is none.
    [[nodiscard]] std::optional<FormStep> UndoStep() const;
    [[nodiscard]] std::optional<FormStep> RedoStep() const;

    // The form to restore; nothing when there is no step to take.
    [[nodiscard]] std::optional<FormSnapshot> Undo();
    [[nodiscard]] std::optional<FormSnapshot> Redo();

    // Whether the form differs from the one last loaded or saved.
    [[nodiscard]] bool IsModified(const FormSnapshot& now) const { return !now.SameContents(m_saved); }
    // The form as the last step, load, Undo or Redo left it.
    const FormSnapshot& Shown() const { return m_shown; }

private:
    struct Step {
        FormStep step;
        FormSnapshot before;
        FormSnapshot after;
    };

    std::vector<Step> m_steps;
    std::size_t m_next = 0;   // steps before it are done, the rest undone
    FormSnapshot m_shown;
    FormSnapshot m_saved;
};
