#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Frequencies are counts of 10 Hz (MHz x 100000); 0 means no frequency.
// In the image a count is 8 packed BCD digits, least significant pair first.

using FrequencyBytes = std::array<std::uint8_t, 4>;

inline constexpr std::uint32_t kCountsPerMHz = 100000;

// The 5 kHz and 6.25 kHz channel rasters, in counts.
inline constexpr std::uint32_t kRaster5k = 500;
inline constexpr std::uint32_t kRaster6k25 = 625;

// Whether the count lies on either raster.
[[nodiscard]] constexpr bool IsOnRaster(std::uint32_t count)
{
    return count % kRaster5k == 0 || count % kRaster6k25 == 0;
}

// The limits of the band selected on the form, in counts. Set from the band
// text; read by the frequency commit and by the model check of a write.
extern std::uint32_t g_bandLow;
extern std::uint32_t g_bandHigh;

std::uint32_t DecodeFrequency(const FrequencyBytes& bytes);
FrequencyBytes EncodeFrequency(std::uint32_t count);

// "%3.5f" of the count in MHz: 13601250 gives "136.01250".
std::string FormatFrequency(std::uint32_t count);

// The leading number of the text, as atof reads it, scaled exactly to counts
// and truncated toward zero. 0 for an empty or non-numeric text, and for a
// negative number; a count beyond 32 bits, however many digits it has, gives
// 0xFFFFFFFF, which lies above every band.
std::uint32_t ParseFrequency(std::string_view text);

// Lowers a count onto the nearer of the 5 kHz and 6.25 kHz rasters below it;
// on a tie the 5 kHz raster wins.
std::uint32_t SnapToStep(std::uint32_t count);

// Reads a band text "lo-hiMHz" into the two band limits. A text that does not
// give both numbers (the empty text among them) leaves them unchanged.
bool SetBandLimits(std::string_view bandText);
