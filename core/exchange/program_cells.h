#pragma once

#include "codec/tone.h"

#include <optional>
#include <string_view>

// The cells of the program's own columns (Rx Tone, Bandwidth, Scan ...), read
// as the grid takes them typed, in any case. Nothing for a text the grid
// would not take; an empty cell is what a new channel has.

// "Off", a CTCSS tone of the list ("67.0", "67"), a DCS code ("D023N").
// decimalComma: a ',' in a tone is its decimal mark.
[[nodiscard]] std::optional<ToneCode> ToneCell(std::string_view text, bool decimalComma);

// Narrow: true; Wide: false.
[[nodiscard]] std::optional<bool> NarrowCell(std::string_view text);

// Add: true; Del: false.
[[nodiscard]] std::optional<bool> ScanAddCell(std::string_view text);
