#include "form/form_fields.h"

#include "form/channel_row.h"
#include "form/form_contents.h"
#include "form/setting_labels.h"
#include "image/image_layout.h"

#include <algorithm>

namespace {

constexpr std::size_t kChannelsBegin = RadioImage::kChannelSize;
constexpr std::size_t kChannelsEnd = kChannelsBegin + RadioImage::kChannelCount * RadioImage::kChannelSize;
// The Rx frequency's most significant byte, which tells a channel in use.
constexpr std::size_t kRxFrequencyTop = layout::kRxFrequency + 3;

struct BitField {
    std::uint8_t bits;
    int column;   // a grid column for a channel byte
};

// The channel flag bits, by the column that shows them.
constexpr BitField kFlagFields[] = {
    {layout::kBusyMask, kColBusy},
    {layout::kHighPowerBit, kColPower},
    {layout::kNarrowBit, kColBandwidth},
    {layout::kScanAddBit, kColScan},
};

struct SettingBits {
    std::size_t offset;
    std::uint8_t bits;
    FormCombo combo;
};

constexpr SettingBits kSettingBits[] = {
    {layout::kModel, 0xFF, FormCombo::Model},
    {layout::kBand, 0xFF, FormCombo::Band},
    {layout::kSquelchLevel, 0xFF, FormCombo::Squelch},
    {layout::kTot, 0xFF, FormCombo::Tot},
    {layout::kFunctionBits, layout::kVoiceMask, FormCombo::Voice},
    {layout::kFunctionBits, layout::kBeepBit, FormCombo::Beep},
    {layout::kVox, 0xFF, FormCombo::VoxSwitch},
    {layout::kVox, 0xFF, FormCombo::VoxGain},
    {layout::kFunctionBits, layout::kBatterySaverBit, FormCombo::BatterySaver},
    {layout::kPttId, layout::kPttIdMask, FormCombo::PttId},
};

bool inChannels(std::size_t offset)
{
    return offset >= kChannelsBegin && offset < kChannelsEnd;
}

bool inPttIdCode(std::size_t offset)
{
    return offset >= layout::kPttIdCode && offset < layout::kPttIdCode + layout::kTextFieldSize;
}

std::uint8_t channelBits(std::size_t field)
{
    if (field < layout::kChannelFlags)
        return 0xFF;
    if (field == layout::kChannelFlags) {
        std::uint8_t bits = 0;
        for (const BitField& flag : kFlagFields)
            bits |= flag.bits;
        return bits;
    }
    return 0;
}

std::uint8_t settingBits(std::size_t offset)
{
    if (inPttIdCode(offset))
        return 0xFF;
    std::uint8_t bits = 0;
    for (const SettingBits& setting : kSettingBits) {
        if (setting.offset == offset)
            bits |= setting.bits;
    }
    return bits;
}

int channelColumn(std::size_t field)
{
    if (field < layout::kTxFrequency)
        return kColRxFreq;
    if (field < layout::kRxToneLow)
        return kColTxFreq;
    if (field < layout::kTxToneLow)
        return kColRxTone;
    return kColTxTone;
}

std::string channelFieldName(int channel, int column)
{
    return "Channel " + std::to_string(channel) + " " + GridHeadings()[static_cast<std::size_t>(column)];
}

std::string settingLabel(FormCombo combo)
{
    for (const SettingLabel& setting : SettingLabels()) {
        if (setting.combo == combo)
            return setting.label;
    }
    return {};
}

void channelFieldsAt(std::size_t offset, std::uint8_t bits, std::vector<std::string>& names)
{
    const int channel = static_cast<int>(offset / RadioImage::kChannelSize);
    const std::size_t field = offset % RadioImage::kChannelSize;
    if (field != layout::kChannelFlags) {
        names.push_back(channelFieldName(channel, channelColumn(field)));
        return;
    }
    for (const BitField& flag : kFlagFields) {
        if (bits & flag.bits)
            names.push_back(channelFieldName(channel, flag.column));
    }
}

void settingFieldsAt(std::size_t offset, std::uint8_t bits, std::vector<std::string>& names)
{
    if (inPttIdCode(offset)) {
        names.emplace_back(kPttIdCodeLabel);
        return;
    }
    for (const SettingBits& setting : kSettingBits) {
        if (setting.offset == offset && (bits & setting.bits))
            names.push_back(settingLabel(setting.combo));
    }
}

} // namespace

std::uint8_t FormBits(const RadioImage& image, std::size_t offset)
{
    if (!inChannels(offset))
        return settingBits(offset);
    const std::size_t field = offset % RadioImage::kChannelSize;
    const int channel = static_cast<int>(offset / RadioImage::kChannelSize);
    if (IsChannelEmpty(image.channel(channel)))
        return field == kRxFrequencyTop ? 0xFF : 0x00;
    return channelBits(field);
}

std::vector<std::string> FormFieldsAt(std::size_t offset, std::uint8_t bits)
{
    std::vector<std::string> names;
    if (inChannels(offset)) {
        bits &= channelBits(offset % RadioImage::kChannelSize);
        if (bits)
            channelFieldsAt(offset, bits, names);
    } else if (bits & settingBits(offset)) {
        settingFieldsAt(offset, bits, names);
    }
    return names;
}
