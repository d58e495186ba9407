#include "form/setting_labels.h"

#include "image/ui_text.h"

namespace {

// The form's order: Model to TOT, Voice to Vox Gain Level, Battery Saver, PTT ID.
constexpr SettingLabel kSettings[] = {
    {HMPROG_TEXT("Model"), FormCombo::Model},
    {HMPROG_TEXT("Frequency"), FormCombo::Band},
    {HMPROG_TEXT("Squelch Level"), FormCombo::Squelch},
    {HMPROG_TEXT("TOT"), FormCombo::Tot},
    {HMPROG_TEXT("Voice"), FormCombo::Voice},
    {HMPROG_TEXT("Beep"), FormCombo::Beep},
    {HMPROG_TEXT("Vox Switch"), FormCombo::VoxSwitch},
    {HMPROG_TEXT("Vox Gain Level"), FormCombo::VoxGain},
    {HMPROG_TEXT("Battery Saver"), FormCombo::BatterySaver},
    {HMPROG_TEXT("PTT ID"), FormCombo::PttId},
};
static_assert(std::size(kSettings) == kFormComboCount);

} // namespace

std::span<const SettingLabel> SettingLabels()
{
    return kSettings;
}
