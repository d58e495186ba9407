#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A tone code is two bytes, high H and low L: H 0xFF is off; below 0x80 a
// CTCSS tone in BCD tenths of a hertz; from 0x80 a DCS code with normal
// polarity ("N"), from 0xC0 one with inverted polarity ("I"), the three digits
// of its name stored as decimal BCD.
struct ToneCode {
    std::uint8_t high = 0xFF;
    std::uint8_t low = 0xFF;
    friend bool operator==(const ToneCode&, const ToneCode&) = default;
};

// "Off", "67.0", "D023N", "D754I".
std::string FormatTone(ToneCode code);

// The code for a tone text. A text beginning with "D" that names neither
// polarity keeps the current code.
ToneCode ParseTone(std::string_view text, ToneCode current);

inline constexpr int kToneListSize = 261;

// "Off", the 50 CTCSS tones, the 105 DCS codes "N", the same 105 "I".
void BuildToneList(std::vector<std::string>& list);
