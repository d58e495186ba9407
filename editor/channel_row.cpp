#include "editor/channel_row.h"

#include "codec/frequency.h"
#include "codec/tone.h"
#include "image/image_layout.h"

namespace {

constexpr std::uint8_t kBusyOff = 0x03;
constexpr std::uint8_t kBusyCarrier = 0x02;
constexpr std::uint8_t kBusyQtDqt = 0x01;

FrequencyBytes frequencyAt(ConstChannelBytes channel, std::size_t offset)
{
    return {channel[offset], channel[offset + 1], channel[offset + 2], channel[offset + 3]};
}

QString frequencyText(ConstChannelBytes channel, std::size_t offset)
{
    return QString::fromStdString(FormatFrequency(DecodeFrequency(frequencyAt(channel, offset))));
}

QString toneText(ConstChannelBytes channel, std::size_t highOffset, std::size_t lowOffset)
{
    return QString::fromStdString(FormatTone({channel[highOffset], channel[lowOffset]}));
}

QString busyText(std::uint8_t flags)
{
    switch (flags & layout::kBusyMask) {
    case kBusyCarrier:
        return QStringLiteral("Carrier");
    case kBusyQtDqt:
        return QStringLiteral("QT/DQT");
    default:
        return QStringLiteral("Off");
    }
}

void storeFrequency(const QString& text, ChannelBytes channel, std::size_t offset)
{
    const std::uint32_t count = ParseFrequency(text.toLatin1().toStdString());
    const FrequencyBytes bytes = count == 0 ? FrequencyBytes{0xFF, 0xFF, 0xFF, 0xFF} : EncodeFrequency(count);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        channel[offset + i] = bytes[i];
}

void storeTone(const QString& text, ChannelBytes channel, std::size_t highOffset, std::size_t lowOffset)
{
    const ToneCode code = ParseTone(text.toLatin1().toStdString(), {channel[highOffset], channel[lowOffset]});
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
        txTop == 0xFF || txTop == 0x00 ? QString() : frequencyText(channel, layout::kTxFrequency),
        toneText(channel, layout::kRxToneHigh, layout::kRxToneLow),
        toneText(channel, layout::kTxToneHigh, layout::kTxToneLow),
        busyText(flags),
        (flags & layout::kHighPowerBit) ? QStringLiteral("High") : QStringLiteral("Low"),
        (flags & layout::kNarrowBit) ? QStringLiteral("Narrow") : QStringLiteral("Wide"),
        (flags & layout::kScanAddBit) ? QStringLiteral("Add") : QStringLiteral("Del"),
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
    const QString& busy = cells[kCellBusy];
    if (busy == QLatin1String("Off"))
        setBits(flags, layout::kBusyMask, kBusyOff);
    else if (busy == QLatin1String("Carrier"))
        setBits(flags, layout::kBusyMask, kBusyCarrier);
    else if (busy == QLatin1String("QT/DQT"))
        setBits(flags, layout::kBusyMask, kBusyQtDqt);
    setBit(flags, layout::kHighPowerBit, cells[kCellPower] == QLatin1String("High"));
    setBit(flags, layout::kNarrowBit, cells[kCellBandwidth] != QLatin1String("Wide"));
    setBit(flags, layout::kScanAddBit, cells[kCellScan] == QLatin1String("Add"));
}
