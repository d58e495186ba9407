#include "form/form_store.h"

#include "form/channel_row.h"
#include "form/utf8_text.h"

#include "image/image_layout.h"
#include "image/text_field.h"

namespace {

std::uint8_t cutToByte(int value)
{
    return static_cast<std::uint8_t>(value & 0xFF);
}

void storeChannels(const FormControls& form, RadioImage& image)
{
    for (int n = 1; n <= RadioImage::kChannelCount; ++n) {
        ChannelCells cells;
        for (std::size_t k = 0; k < cells.size(); ++k)
            cells[k] = form.GetTextMatrix(n, static_cast<long>(k) + 1);
        StoreChannelRow(cells, image.channel(n));
    }
}

void setBit(RadioImage& image, std::size_t offset, std::uint8_t bit, bool on)
{
    const std::uint8_t b = image.byte(offset);
    image.setByte(offset, on ? (b | bit) : (b & ~bit));
}

// Item 0 Off stores 01, item 1 Chinese 00, item 2 English 10; storing never
// produces 11.
std::uint8_t voiceCode(const FormControls& form)
{
    static constexpr std::uint8_t kCodeOfItem[] = {0x01, 0x00, 0x02};
    int item = form.GetCurSel(FormCombo::Voice);
    if (item < 0 || item >= form.GetCount(FormCombo::Voice) || item >= static_cast<int>(std::size(kCodeOfItem)))
        item = 0;
    return static_cast<std::uint8_t>(kCodeOfItem[item] << layout::kVoiceShift);
}

} // namespace

void StoreFormToImage(const FormControls& form, RadioImage& image)
{
    storeChannels(form, image);

    image.setByte(layout::kBand, cutToByte(form.GetCurSel(FormCombo::Band) + layout::kBandBase));
    image.setByte(layout::kModel, cutToByte(form.GetCurSel(FormCombo::Model) + layout::kModelBase));

    // Beep tests for "On" and Battery Saver for "Off": the same coding with a
    // selection, opposite bits without one.
    setBit(image, layout::kFunctionBits, layout::kBeepBit, form.GetCurSel(FormCombo::Beep) == 0);
    setBit(image, layout::kFunctionBits, layout::kBatterySaverBit, form.GetCurSel(FormCombo::BatterySaver) != 1);

    image.setByte(layout::kSquelchLevel, cutToByte(form.GetCurSel(FormCombo::Squelch)));
    image.setByte(layout::kTot, cutToByte(form.GetCurSel(FormCombo::Tot) + 1));

    const bool voxOff = form.GetCurSel(FormCombo::VoxSwitch) == 0;
    image.setByte(layout::kVox, voxOff ? 0 : cutToByte(form.GetCurSel(FormCombo::VoxGain) + 1));

    const std::uint8_t functionBits = image.byte(layout::kFunctionBits);
    image.setByte(layout::kFunctionBits,
                  static_cast<std::uint8_t>((functionBits & ~layout::kVoiceMask) | voiceCode(form)));

    std::uint8_t pttId = image.byte(layout::kPttId) & ~layout::kPttIdMask;
    const int pttIdItem = form.GetCurSel(FormCombo::PttId);
    if (pttIdItem >= 0)
        pttId |= static_cast<std::uint8_t>(pttIdItem) & layout::kPttIdMask;
    image.setByte(layout::kPttId, pttId);

    WriteTextField(image, layout::kPttIdCode, Utf8ToLatin1(form.GetPttIdCode()));
}
