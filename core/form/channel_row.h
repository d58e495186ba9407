#pragma once

#include "image/radio_image.h"

#include <array>
#include <span>
#include <string>

// The texts of grid columns 1 to 8 ("Rx Freq" to "Scan") of one channel row.
// Cell k is grid column k + 1.
using ChannelCells = std::array<std::string, 8>;

enum ChannelCell : std::size_t {
    kCellRxFreq,
    kCellTxFreq,
    kCellRxTone,
    kCellTxTone,
    kCellBusy,
    kCellPower,
    kCellBandwidth,
    kCellScan,
};

using ChannelBytes = std::span<std::uint8_t, RadioImage::kChannelSize>;
using ConstChannelBytes = std::span<const std::uint8_t, RadioImage::kChannelSize>;

// A channel whose Rx frequency's most significant byte is 0xFF or 0x00 is not
// in use, whatever its other bytes hold.
bool IsChannelEmpty(ConstChannelBytes channel);

// What the grid shows for a channel in use.
ChannelCells ChannelRowTexts(ConstChannelBytes channel);

// Writes a row's texts into its channel, each field changing only its own
// bytes and bits. Both frequencies are always written, so an empty row
// leaves no frequency behind.
void StoreChannelRow(const ChannelCells& cells, ChannelBytes channel);
