#include "form/form_load.h"

#include "form/channel_row.h"
#include "form/form_actions.h"
#include "form/form_contents.h"
#include "form/utf8_text.h"

#include "image/image_layout.h"
#include "image/text_field.h"

namespace {

// Bits 3-4 of the function byte: 00 Chinese, 01 Off, 10 English, 11 Off.
int voiceItem(std::uint8_t functionBits)
{
    static constexpr int kItemOfCode[] = {1, 0, 2, 0};
    return kItemOfCode[(functionBits & layout::kVoiceMask) >> layout::kVoiceShift];
}

} // namespace

void LoadChannelRow(const RadioImage& image, int n, FormControls& form)
{
    const ConstChannelBytes channel = image.channel(n);
    if (IsChannelEmpty(channel)) {
        ClearChannelRow(form, n);
        return;
    }
    const ChannelCells cells = ChannelRowTexts(channel);
    for (std::size_t k = 0; k < cells.size(); ++k)
        form.SetTextMatrix(n, static_cast<long>(k) + 1, cells[k]);
}

void LoadFormFromImage(const RadioImage& image, FormControls& form, int& appliedModel)
{
    // The bounds 10 and 4 are wider than the lists: a value just past a list's
    // end leaves its combo box without a selection.
    const int model = static_cast<int>(image.byte(layout::kModel)) - layout::kModelBase;
    (void)form.SetCurSel(FormCombo::Model, model > 10 ? 0 : model);
    ApplyModel(form, appliedModel);
    appliedModel = form.GetCurSel(FormCombo::Model);

    const int band = static_cast<int>(image.byte(layout::kBand)) - layout::kBandBase;
    (void)form.SetCurSel(FormCombo::Band, band < 0 || band > 4 ? 0 : band);
    ApplyBand(form);

    for (int n = 1; n <= RadioImage::kChannelCount; ++n)
        LoadChannelRow(image, n, form);

    const std::uint8_t functionBits = image.byte(layout::kFunctionBits);
    (void)form.SetCurSel(FormCombo::Beep, (functionBits & layout::kBeepBit) ? 0 : 1);
    (void)form.SetCurSel(FormCombo::BatterySaver, (functionBits & layout::kBatterySaverBit) ? 0 : 1);

    const int squelch = image.byte(layout::kSquelchLevel);
    (void)form.SetCurSel(FormCombo::Squelch, squelch <= 10 ? squelch : 0);
    const int tot = static_cast<int>(image.byte(layout::kTot)) - 1;
    (void)form.SetCurSel(FormCombo::Tot, tot <= 10 ? tot : 0);

    const int vox = image.byte(layout::kVox);
    (void)form.SetCurSel(FormCombo::VoxSwitch, vox == 0 ? 0 : 1);
    (void)form.SetCurSel(FormCombo::VoxGain, vox == 0 ? 0 : vox - 1);
    ApplyVoxSwitch(form);

    (void)form.SetCurSel(FormCombo::Voice, voiceItem(functionBits));

    if (!form.SetCurSel(FormCombo::PttId, image.byte(layout::kPttId) & layout::kPttIdMask))
        (void)form.SetCurSel(FormCombo::PttId, 0);

    form.SetPttIdCode(Latin1ToUtf8(ReadTextField(image, layout::kPttIdCode)));
}
