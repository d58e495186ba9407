#pragma once

#include "codec/tone.h"
#include "image/radio_image.h"

#include <cstdint>
#include <span>

// A channel as the form shows it, decoded from its 16 bytes.
enum class BusyLockout { Off, Carrier, QtDqt };

struct ChannelSettings {
    std::uint32_t rxCount = 0;   // counts of 10 Hz
    std::uint32_t txCount = 0;   // 0: no transmit frequency
    ToneCode rxTone;
    ToneCode txTone;
    BusyLockout busy = BusyLockout::Off;
    bool highPower = true;
    bool narrow = false;
    bool scanAdd = true;
};

using ChannelRecordBytes = std::span<std::uint8_t, RadioImage::kChannelSize>;
using ConstChannelRecordBytes = std::span<const std::uint8_t, RadioImage::kChannelSize>;

// A channel whose Rx frequency's most significant byte is 0xFF or 0x00 is not
// in use, whatever its other bytes hold.
[[nodiscard]] bool IsChannelInUse(ConstChannelRecordBytes channel);

[[nodiscard]] ChannelSettings ReadChannelSettings(ConstChannelRecordBytes channel);

// Writes the settings the way the form stores a row: both frequencies and both
// tones, then only the busy, power, bandwidth and scan bits of the flags byte;
// every other bit and byte of the channel stays as it was.
void StoreChannelSettings(const ChannelSettings& settings, ChannelRecordBytes channel);
