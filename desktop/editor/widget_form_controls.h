#pragma once

#include "form/form_controls.h"

#include <array>

class CMSFlexGrid;
class QComboBox;
class QLineEdit;

// The form's logic over the desktop form's own controls: they hold the state.
class WidgetFormControls : public FormControls {
public:
    using Combos = std::array<QComboBox*, kFormComboCount>;

    WidgetFormControls(const Combos& combos, CMSFlexGrid* grid, QLineEdit* pttIdCode);

    void ResetContent(FormCombo combo) override;
    void AddString(FormCombo combo, const std::string& text) override;
    int GetCount(FormCombo combo) const override;
    std::string GetLBText(FormCombo combo, int index) const override;
    [[nodiscard]] bool SetCurSel(FormCombo combo, int index) override;
    int GetCurSel(FormCombo combo) const override;
    std::string GetComboText(FormCombo combo) const override;
    void EnableCombo(FormCombo combo, bool enable) override;
    bool IsComboEnabled(FormCombo combo) const override;

    long GetRows() const override;
    long GetCols() const override;
    std::string GetTextMatrix(long row, long col) const override;
    void SetTextMatrix(long row, long col, const std::string& text) override;

    std::string GetPttIdCode() const override;
    void SetPttIdCode(const std::string& text) override;

private:
    QComboBox* at(FormCombo combo) const { return m_combos[static_cast<std::size_t>(combo)]; }

    Combos m_combos;
    CMSFlexGrid* m_grid;
    QLineEdit* m_pttIdCode;
};
