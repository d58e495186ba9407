#pragma once

#include "form/form_controls.h"
#include "image/ui_text.h"

#include <span>

// The setting labels of the editor form, in the form's order, with the combo
// box each one names. The PTT ID Code edit has a label of its own.
struct SettingLabel {
    const char* label;
    FormCombo combo;
};

std::span<const SettingLabel> SettingLabels();

inline constexpr const char* kPttIdCodeLabel = HMPROG_TEXT("PTT ID Code");
