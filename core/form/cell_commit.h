#pragma once

#include "form/channel_row.h"

#include <cstdint>
#include <optional>
#include <string>

// What the in-place editors write into a channel cell when they close. Texts
// are UTF-8.

// What happened to a typed frequency on its way into the cell.
enum class FrequencyCorrection {
    None,
    RaisedToBand,       // below the band: its lower edge
    LoweredToBand,      // above the band: its upper edge
    LoweredOntoRaster,  // between two channels: the one below
};

struct CommittedFrequency {
    std::string text;
    FrequencyCorrection correction = FrequencyCorrection::None;
};

// The text a typed frequency is stored as: held to the band (low and high in
// counts of 10 Hz) and lowered onto the 5 kHz or 6.25 kHz raster, "%3.5f" in
// MHz. A comma is a decimal point. Text that gives no frequency (empty, no
// number, 0, below 10 Hz, negative) gives the empty text.
[[nodiscard]] CommittedFrequency CommitFrequency(const std::string& typed, std::uint32_t bandLow, std::uint32_t bandHigh);

// The row of a channel created by typing its first receive frequency: both
// frequencies the typed one, tones "Off", busy lock "Off", "High", "Wide",
// "Add".
ChannelCells NewChannelCells(const std::string& frequency);

// The text a typed tone is stored as, in upper case ("d023n" is "D023N",
// "off" is "Off"), when it names exactly the tone the channel will hold once
// it is stored: an entry of the tone list, or the same CTCSS number or DCS
// code written another way ("67" for "67.0", "D23N" for "D023N"). Nothing
// when the image would hold something other than what the cell shows, or
// when a DCS code has a digit that is not octal ("D088N"): no such code
// exists.
[[nodiscard]] std::optional<std::string> StorableToneText(const std::string& typed);
