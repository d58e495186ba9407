#include "exchange/channel_settings.h"

#include "codec/frequency.h"
#include "image/image_layout.h"

namespace {

constexpr std::uint8_t kBusyOff = 0x03;
constexpr std::uint8_t kBusyCarrier = 0x02;
constexpr std::uint8_t kBusyQtDqt = 0x01;

bool holdsFrequency(ConstChannelRecordBytes channel, std::size_t offset)
{
    const std::uint8_t top = channel[offset + 3];
    return top != 0xFF && top != 0x00;
}

std::uint32_t frequencyAt(ConstChannelRecordBytes channel, std::size_t offset)
{
    if (!holdsFrequency(channel, offset))
        return 0;
    return DecodeFrequency({channel[offset], channel[offset + 1], channel[offset + 2], channel[offset + 3]});
}

void storeFrequency(std::uint32_t count, ChannelRecordBytes channel, std::size_t offset)
{
    const FrequencyBytes bytes = count == 0 ? FrequencyBytes{0xFF, 0xFF, 0xFF, 0xFF} : EncodeFrequency(count);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        channel[offset + i] = bytes[i];
}

BusyLockout busyOf(std::uint8_t flags)
{
    switch (flags & layout::kBusyMask) {
    case kBusyCarrier:
        return BusyLockout::Carrier;
    case kBusyQtDqt:
        return BusyLockout::QtDqt;
    default:
        return BusyLockout::Off;
    }
}

std::uint8_t busyBits(BusyLockout busy)
{
    switch (busy) {
    case BusyLockout::Carrier:
        return kBusyCarrier;
    case BusyLockout::QtDqt:
        return kBusyQtDqt;
    case BusyLockout::Off:
        break;
    }
    return kBusyOff;
}

void setBit(std::uint8_t& flags, std::uint8_t bit, bool on)
{
    flags = static_cast<std::uint8_t>(on ? (flags | bit) : (flags & ~bit));
}

} // namespace

bool IsChannelInUse(ConstChannelRecordBytes channel)
{
    return holdsFrequency(channel, layout::kRxFrequency);
}

ChannelSettings ReadChannelSettings(ConstChannelRecordBytes channel)
{
    const std::uint8_t flags = channel[layout::kChannelFlags];
    ChannelSettings settings;
    settings.rxCount = frequencyAt(channel, layout::kRxFrequency);
    settings.txCount = frequencyAt(channel, layout::kTxFrequency);
    settings.rxTone = {channel[layout::kRxToneHigh], channel[layout::kRxToneLow]};
    settings.txTone = {channel[layout::kTxToneHigh], channel[layout::kTxToneLow]};
    settings.busy = busyOf(flags);
    settings.highPower = (flags & layout::kHighPowerBit) != 0;
    settings.narrow = (flags & layout::kNarrowBit) != 0;
    settings.scanAdd = (flags & layout::kScanAddBit) != 0;
    return settings;
}

void StoreChannelSettings(const ChannelSettings& settings, ChannelRecordBytes channel)
{
    storeFrequency(settings.rxCount, channel, layout::kRxFrequency);
    storeFrequency(settings.txCount, channel, layout::kTxFrequency);
    channel[layout::kRxToneHigh] = settings.rxTone.high;
    channel[layout::kRxToneLow] = settings.rxTone.low;
    channel[layout::kTxToneHigh] = settings.txTone.high;
    channel[layout::kTxToneLow] = settings.txTone.low;

    std::uint8_t& flags = channel[layout::kChannelFlags];
    flags = static_cast<std::uint8_t>((flags & ~layout::kBusyMask) | busyBits(settings.busy));
    setBit(flags, layout::kHighPowerBit, settings.highPower);
    setBit(flags, layout::kNarrowBit, settings.narrow);
    setBit(flags, layout::kScanAddBit, settings.scanAdd);
}
