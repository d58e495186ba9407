#include "form/form_snapshot.h"

#include "form/form_actions.h"

#include <algorithm>

namespace {

FormCombo comboAt(std::size_t index)
{
    return static_cast<FormCombo>(index);
}

FormSnapshot::Combo takeCombo(const FormControls& form, FormCombo combo)
{
    FormSnapshot::Combo taken;
    for (int i = 0; i < form.GetCount(combo); ++i)
        taken.items.push_back(form.GetLBText(combo, i));
    taken.current = form.GetCurSel(combo);
    taken.enabled = form.IsComboEnabled(combo);
    return taken;
}

void restoreCombo(const FormSnapshot::Combo& shown, FormControls& form, FormCombo combo)
{
    // Refilling a list the form already shows would only cost time.
    if (takeCombo(form, combo).items != shown.items) {
        form.ResetContent(combo);
        for (const std::string& item : shown.items)
            form.AddString(combo, item);
    }
    // -1 leaves the combo box without a selection, as it was.
    (void)form.SetCurSel(combo, shown.current);
    form.EnableCombo(combo, shown.enabled);
}

} // namespace

bool FormSnapshot::SameContents(const FormSnapshot& other) const
{
    return combos == other.combos && rows == other.rows && cols == other.cols && cells == other.cells &&
           pttIdCode == other.pttIdCode && appliedModel == other.appliedModel;
}

FormSnapshot TakeSnapshot(const FormControls& form, int appliedModel, GridCell current)
{
    FormSnapshot snapshot;
    for (std::size_t i = 0; i < snapshot.combos.size(); ++i)
        snapshot.combos[i] = takeCombo(form, comboAt(i));
    snapshot.rows = form.GetRows();
    snapshot.cols = form.GetCols();
    snapshot.cells.reserve(static_cast<std::size_t>(snapshot.rows * snapshot.cols));
    for (long row = 0; row < snapshot.rows; ++row)
        for (long col = 0; col < snapshot.cols; ++col)
            snapshot.cells.push_back(form.GetTextMatrix(row, col));
    snapshot.pttIdCode = form.GetPttIdCode();
    snapshot.appliedModel = appliedModel;
    snapshot.current = current;
    return snapshot;
}

void RestoreSnapshot(const FormSnapshot& snapshot, FormControls& form, int& appliedModel)
{
    for (std::size_t i = 0; i < snapshot.combos.size(); ++i)
        restoreCombo(snapshot.combos[i], form, comboAt(i));
    const long rows = std::min(snapshot.rows, form.GetRows());
    const long cols = std::min(snapshot.cols, form.GetCols());
    for (long row = 0; row < rows; ++row) {
        for (long col = 0; col < cols; ++col) {
            const std::string& text = snapshot.cells[static_cast<std::size_t>(row * snapshot.cols + col)];
            if (form.GetTextMatrix(row, col) != text)
                form.SetTextMatrix(row, col, text);
        }
    }
    form.SetPttIdCode(snapshot.pttIdCode);
    appliedModel = snapshot.appliedModel;
    ApplyBand(form);
}
