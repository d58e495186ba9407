#pragma once

#include "editor/channel_row.h"

#include <QString>

#include <cstdint>

// What the in-place editors write into a channel cell when they close.

// The text a typed frequency is stored as: held to the band (low and high in
// counts of 10 Hz) and lowered onto the 5 kHz or 6.25 kHz raster, "%3.5f" in
// MHz. Text that gives no frequency (empty, no number, 0, below 10 Hz,
// negative) gives the empty text.
QString CommittedFrequencyText(const QString& typed, std::uint32_t bandLow, std::uint32_t bandHigh);

// The row of a channel created by typing its first receive frequency: both
// frequencies the typed one, tones "Off", busy lock "Off", "High", "Wide",
// "Add".
ChannelCells NewChannelCells(const QString& frequency);

// Whether a typed tone text names exactly the tone the channel will hold once
// it is stored: an entry of the tone list, or the same CTCSS number or DCS
// code written another way ("67" for "67.0", "D23N" for "D023N"). Anything
// the image would hold differently from what the cell shows is refused.
[[nodiscard]] bool IsStorableToneText(const QString& typed);
