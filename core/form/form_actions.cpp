#include "form/form_actions.h"

#include "form/form_contents.h"

#include "codec/frequency.h"

namespace {

void copyRow(FormControls& form, long from, long to)
{
    for (long col = 1; col < form.GetCols(); ++col)
        form.SetTextMatrix(to, col, form.GetTextMatrix(from, col));
}

} // namespace

void ApplyModel(FormControls& form, int& appliedModel)
{
    const int model = form.GetCurSel(FormCombo::Model);
    if (model != appliedModel) {
        form.ResetContent(FormCombo::Band);
        const std::string band = BandOfModel(form.GetComboText(FormCombo::Model));
        if (!band.empty())
            form.AddString(FormCombo::Band, band);
        // The list may be empty: then there is no selection and the band
        // limits stay as they were.
        (void)form.SetCurSel(FormCombo::Band, 0);
        ApplyBand(form);
        for (long row = 1; row < form.GetRows(); ++row)
            ClearChannelRow(form, row);
    }
    appliedModel = model;
}

void ApplyBand(const FormControls& form)
{
    const std::string band = form.GetComboText(FormCombo::Band);
    if (!band.empty())
        (void)SetBandLimits(band);
}

void ApplyVoxSwitch(FormControls& form)
{
    if (form.GetCurSel(FormCombo::VoxSwitch) == 0) {
        form.EnableCombo(FormCombo::VoxGain, false);
        return;
    }
    if (form.GetCurSel(FormCombo::VoxGain) < 0)
        (void)form.SetCurSel(FormCombo::VoxGain, 0);
    form.EnableCombo(FormCombo::VoxGain, true);
}

void DeleteChannelAt(FormControls& form, long row)
{
    const long rows = form.GetRows();
    if (row < 1 || row >= rows)
        return;
    for (long i = row; i <= rows - 2; ++i)
        copyRow(form, i + 1, i);
    ClearChannelRow(form, rows - 1);
}

void AddChannelAt(FormControls& form, long row)
{
    const long rows = form.GetRows();
    if (row < 1 || row >= rows)
        return;
    for (long k = rows - 1; k >= row + 1; --k)
        copyRow(form, k - 1, k);
    ClearChannelRow(form, row);
}

void ClearChannelRow(FormControls& form, long row)
{
    for (long col = 1; col < form.GetCols(); ++col)
        form.SetTextMatrix(row, col, std::string());
}
