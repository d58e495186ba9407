#include "demo_image.h"

#include "codec/frequency.h"
#include "codec/tone.h"
#include "image/image_layout.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace {

struct DemoChannel {
    int number;
    std::uint32_t rx;
    std::uint32_t tx; // 0: receive only
    std::string_view rxTone;
    std::string_view txTone;
    std::uint8_t flagsToClear;
};

// Flags start from the reset value: busy lock off, wide, in the scan list, high power.
constexpr DemoChannel kChannels[] = {
    {1, 14552500, 14552500, "67.0", "D023N", 0},
    {2, 14652000, 14652000, "Off", "Off", 0},
    {3, 14560000, 14500000, "Off", "88.5", layout::kHighPowerBit},
    {4, 16255000, 0, "Off", "Off", layout::kScanAddBit},
};

void putFrequency(std::span<std::uint8_t, RadioImage::kChannelSize> channel, std::size_t at, std::uint32_t count)
{
    FrequencyBytes bytes{0xFF, 0xFF, 0xFF, 0xFF};
    if (count != 0)
        bytes = EncodeFrequency(count);
    std::copy(bytes.begin(), bytes.end(), channel.begin() + static_cast<std::ptrdiff_t>(at));
}

void putTone(std::span<std::uint8_t, RadioImage::kChannelSize> channel, std::size_t low, std::size_t high,
             std::string_view text)
{
    const ToneCode code = ParseTone(text, ToneCode{});
    channel[low] = code.low;
    channel[high] = code.high;
}

} // namespace

RadioImage DemoRadioImage()
{
    RadioImage image;
    image.ResetToDefaults();
    for (const DemoChannel& c : kChannels) {
        auto channel = image.channel(c.number);
        putFrequency(channel, layout::kRxFrequency, c.rx);
        putFrequency(channel, layout::kTxFrequency, c.tx);
        putTone(channel, layout::kRxToneLow, layout::kRxToneHigh, c.rxTone);
        putTone(channel, layout::kTxToneLow, layout::kTxToneHigh, c.txTone);
        channel[layout::kChannelFlags] &= static_cast<std::uint8_t>(~c.flagsToClear);
    }
    return image;
}
