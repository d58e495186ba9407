#include "form/setting_labels.h"

namespace {

// The form's order: Model to TOT, Voice to Vox Gain Level, Battery Saver, PTT ID.
constexpr SettingLabel kSettings[] = {
    {"Model", FormCombo::Model},
    {"Frequency", FormCombo::Band},
    {"Squelch Level", FormCombo::Squelch},
    {"TOT", FormCombo::Tot},
    {"Voice", FormCombo::Voice},
    {"Beep", FormCombo::Beep},
    {"Vox Switch", FormCombo::VoxSwitch},
    {"Vox Gain Level", FormCombo::VoxGain},
    {"Battery Saver", FormCombo::BatterySaver},
    {"PTT ID", FormCombo::PttId},
};
static_assert(std::size(kSettings) == kFormComboCount);

} // namespace

std::span<const SettingLabel> SettingLabels()
{
    return kSettings;
}
