#include "form/form_step.h"

#include "form/setting_labels.h"
#include "image/ui_text.h"

namespace {

const char* cellTemplate(long column)
{
    switch (column) {
    case 1:
        return HMPROG_TEXT("Channel %1 Rx Freq");
    case 2:
        return HMPROG_TEXT("Channel %1 Tx Freq");
    case 3:
        return HMPROG_TEXT("Channel %1 Rx Tone");
    case 4:
        return HMPROG_TEXT("Channel %1 Tx Tone");
    case 5:
        return HMPROG_TEXT("Channel %1 Busy");
    case 6:
        return HMPROG_TEXT("Channel %1 Power");
    case 7:
        return HMPROG_TEXT("Channel %1 Bandwidth");
    default:
        return HMPROG_TEXT("Channel %1 Scan");
    }
}

const char* settingName(FormCombo combo)
{
    for (const SettingLabel& setting : SettingLabels())
        if (setting.combo == combo)
            return setting.label;
    return "";
}

// "Delete Channel 3" for one channel, "Delete Channels 3-5" for several.
UiText channels(const FormStep& step, const char* one, const char* several)
{
    const long last = step.last == 0 ? step.first : step.last;
    if (last == step.first)
        return {one, {std::to_string(step.first)}};
    return {several, {std::to_string(step.first), std::to_string(last)}};
}

} // namespace

UiText DescribeStep(const FormStep& step)
{
    switch (step.kind) {
    case StepKind::ModelChange:
        return {HMPROG_TEXT("Model Change"), {}};
    case StepKind::Setting:
        // The setting labels are the form's own texts, translated as such.
        return {settingName(step.combo), {}};
    case StepKind::PttIdCode:
        return {kPttIdCodeLabel, {}};
    case StepKind::Cell:
        return {cellTemplate(step.column), {std::to_string(step.first)}};
    case StepKind::AddChannel:
        return {HMPROG_TEXT("Add Channel %1"), {std::to_string(step.first)}};
    case StepKind::DeleteChannels:
        return channels(step, HMPROG_TEXT("Delete Channel %1"), HMPROG_TEXT("Delete Channels %1-%2"));
    case StepKind::CutChannels:
        return channels(step, HMPROG_TEXT("Cut Channel %1"), HMPROG_TEXT("Cut Channels %1-%2"));
    case StepKind::ClearChannels:
        return channels(step, HMPROG_TEXT("Clear Channel %1"), HMPROG_TEXT("Clear Channels %1-%2"));
    case StepKind::Paste:
        return {HMPROG_TEXT("Paste"), {}};
    case StepKind::Move:
        return {HMPROG_TEXT("Move"), {}};
    case StepKind::ImportChannels:
        return {kImportChannels, {}};
    }
    return {};
}
