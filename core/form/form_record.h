#pragma once

#include "form/form_contents.h"
#include "form/form_controls.h"
#include "image/radio_image.h"

#include <array>
#include <string>
#include <vector>

// The form's controls as plain data, for working on a form without a screen.
// It behaves as the desktop form's controls do: selecting an index outside a
// list leaves no selection, adding items selects none, and the PTT ID Code
// shows its letters in upper case.
class FormRecord : public FormControls {
public:
    struct Combo {
        std::vector<std::string> items;
        int current = -1;
        bool enabled = true;
    };

    // Empty lists, an empty 17 x 9 grid and an empty PTT ID Code.
    FormRecord() = default;

    const Combo& combo(FormCombo which) const { return m_combos[static_cast<std::size_t>(which)]; }

    void ResetContent(FormCombo combo) override;
    void AddString(FormCombo combo, const std::string& text) override;
    int GetCount(FormCombo combo) const override;
    std::string GetLBText(FormCombo combo, int index) const override;
    [[nodiscard]] bool SetCurSel(FormCombo combo, int index) override;
    int GetCurSel(FormCombo combo) const override;
    std::string GetComboText(FormCombo combo) const override;
    void EnableCombo(FormCombo combo, bool enable) override;
    bool IsComboEnabled(FormCombo combo) const override;

    long GetRows() const override { return kGridRows; }
    long GetCols() const override { return kGridCols; }
    std::string GetTextMatrix(long row, long col) const override;
    void SetTextMatrix(long row, long col, const std::string& text) override;

    std::string GetPttIdCode() const override { return m_pttIdCode; }
    void SetPttIdCode(const std::string& text) override;

private:
    Combo& at(FormCombo which) { return m_combos[static_cast<std::size_t>(which)]; }
    static bool inGrid(long row, long col);

    std::array<Combo, kFormComboCount> m_combos;
    std::array<std::array<std::string, kGridCols>, kGridRows> m_cells;
    std::string m_pttIdCode;
};

// A record as the desktop form is once its first initial update has set it up
// (before any image is loaded), with no model applied yet.
FormRecord FreshFormRecord();

// The record of the program started afresh with this image: a fresh record
// and no model applied before, so that the image's own model and channels
// show. appliedModel receives the model the record then has applied.
[[nodiscard]] FormRecord FormRecordOf(const RadioImage& image, int& appliedModel);
[[nodiscard]] FormRecord FormRecordOf(const RadioImage& image);
