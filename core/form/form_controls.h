#pragma once

#include <string>

// The setting combo boxes of the editor form.
enum class FormCombo {
    Model,
    Band,
    Squelch,
    Tot,
    Voice,
    Beep,
    VoxSwitch,
    VoxGain,
    BatterySaver,
    PttId,
};
inline constexpr int kFormComboCount = 10;

// What the form's loading, storing and channel operations need of the form:
// the setting combo boxes, the channel grid and the PTT ID Code edit. The
// desktop form implements it over its real controls, which hold the editing
// state; the command line implements it over a plain record. Texts are UTF-8.
//
// Combo boxes behave as drop-down lists: a current index outside the list
// means no selection (index -1, empty text); adding items never selects one.
class FormControls {
public:
    virtual ~FormControls() = default;

    virtual void ResetContent(FormCombo combo) = 0;
    virtual void AddString(FormCombo combo, const std::string& text) = 0;
    virtual int GetCount(FormCombo combo) const = 0;
    // The text of item index, "" when there is no such item.
    virtual std::string GetLBText(FormCombo combo, int index) const = 0;
    // Selects item index; false (and no selection) when there is no such item.
    [[nodiscard]] virtual bool SetCurSel(FormCombo combo, int index) = 0;
    virtual int GetCurSel(FormCombo combo) const = 0;
    // The selected item's text, "" without a selection.
    virtual std::string GetComboText(FormCombo combo) const = 0;
    virtual void EnableCombo(FormCombo combo, bool enable) = 0;
    virtual bool IsComboEnabled(FormCombo combo) const = 0;

    // The channel grid, rows and columns counted with the headings.
    virtual long GetRows() const = 0;
    virtual long GetCols() const = 0;
    virtual std::string GetTextMatrix(long row, long col) const = 0;
    virtual void SetTextMatrix(long row, long col, const std::string& text) = 0;

    virtual std::string GetPttIdCode() const = 0;
    virtual void SetPttIdCode(const std::string& text) = 0;
};
