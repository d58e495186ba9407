#include "form/channel_row.h"

#include "codec/frequency.h"
#include "codec/tone.h"
#include "form/utf8_text.h"
#include "image/image_layout.h"

namespace {

constexpr std::uint8_t kBusyOff = 0x03;
constexpr std::uint8_t kBusyCarrier = 0x02;
constexpr std::uint8_t kBusyQtDqt = 0x01;

FrequencyBytes frequencyAt(ConstChannelBytes channel, std::size_t offset)
{
    return {channel[offset], channel[offset + 1], channel[offset + 2], channel[offset + 3]};
}

std::string frequencyText(ConstChannelBytes channel, std::size_t offset)
{
    return FormatFrequency(DecodeFrequency(frequencyAt(channel, offset)));
}

std::string toneText(ConstChannelBytes channel, std::size_t highOffset, std::size_t lowOffset)
{
    return FormatTone({channel[highOffset], channel[lowOffset]});
}

std::string busyText(std::uint8_t flags)
{
    switch (flags & layout::kBusyMask) {
    case kBusyCarrier:
        return "Carrier";
    case kBusyQtDqt:
        return "QT/DQT";
    default:
        return "Off";
    }
}

// The cell texts are UTF-8, the parsers' text Latin-1: a character beyond
// Latin-1 is no digit either way.
void storeFrequency(const std::string& text, ChannelBytes channel, std::size_t offset)
{
    const std::uint32_t count = ParseFrequency(Utf8ToLatin1(text));
    const FrequencyBytes bytes = count == 0 ? FrequencyBytes{0xFF, 0xFF, 0xFF, 0xFF} : EncodeFrequency(count);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        channel[offset + i] = bytes[i];
}

void storeTone(const std::string& text, ChannelBytes channel, std::size_t highOffset, std::size_t lowOffset)
{
    const ToneCode code = ParseTone(Utf8ToLatin1(text), {channel[highOffset], channel[lowOffset]});
    channel[highOffset] = code.high;
    channel[lowOffset] = code.low;
}

void setBits(std::uint8_t& flags, std::uint8_t mask, std::uint8_t value)
{
    flags = static_cast<std::uint8_t>((flags & ~mask) | (value & mask));
}

void setBit(std::uint8_t& flags, std::uint8_t bit, bool on)
{
    setBits(flags, bit, on ? bit : 0);
}

} // namespace

bool IsChannelEmpty(ConstChannelBytes channel)
{
    const std::uint8_t top = channel[layout::kRxFrequency + 3];
    return top == 0xFF || top == 0x00;
}

ChannelCells ChannelRowTexts(ConstChannelBytes channel)
{
    const std::uint8_t flags = channel[layout::kChannelFlags];
    const std::uint8_t txTop = channel[layout::kTxFrequency + 3];
    return {
        frequencyText(channel, layout::kRxFrequency),
        txTop == 0xFF || txTop == 0x00 ? std::string() : frequencyText(channel, layout::kTxFrequency),
        toneText(channel, layout::kRxToneHigh, layout::kRxToneLow),
        toneText(channel, layout::kTxToneHigh, layout::kTxToneLow),
        busyText(flags),
        (flags & layout::kHighPowerBit) ? std::string("High") : std::string("Low"),
        (flags & layout::kNarrowBit) ? std::string("Narrow") : std::string("Wide"),
        (flags & layout::kScanAddBit) ? std::string("Add") : std::string("Del"),
    };
}

void StoreChannelRow(const ChannelCells& cells, ChannelBytes channel)
{
    // An empty text, like any text without a number, stores no frequency.
    storeFrequency(cells[kCellRxFreq], channel, layout::kRxFrequency);
    storeFrequency(cells[kCellTxFreq], channel, layout::kTxFrequency);
    storeTone(cells[kCellRxTone], channel, layout::kRxToneHigh, layout::kRxToneLow);
    storeTone(cells[kCellTxTone], channel, layout::kTxToneHigh, layout::kTxToneLow);

    std::uint8_t& flags = channel[layout::kChannelFlags];
    const std::string& busy = cells[kCellBusy];
    if (busy == "Off")
        setBits(flags, layout::kBusyMask, kBusyOff);
    else if (busy == "Carrier")
        setBits(flags, layout::kBusyMask, kBusyCarrier);
    else if (busy == "QT/DQT")
        setBits(flags, layout::kBusyMask, kBusyQtDqt);
    setBit(flags, layout::kHighPowerBit, cells[kCellPower] == "High");
    setBit(flags, layout::kNarrowBit, cells[kCellBandwidth] != "Wide");
    setBit(flags, layout::kScanAddBit, cells[kCellScan] == "Add");
}
