#pragma once

#include <cstdint>
#include <span>

// The frequency range a radio reports in the first three bytes of its
// identification, each limit in MHz as three decimal digits, one a nibble:
// I0 = units of the lower limit | units of the upper limit,
// I1 = hundreds | tens of the upper limit, I2 = hundreds | tens of the lower.
// Nibbles above 9 are not rejected; they simply enter the sums.
struct RadioRange {
    int lowMHz = 0;
    int highMHz = 0;
    friend bool operator==(const RadioRange&, const RadioRange&) = default;
};

struct IdentificationHead {
    std::uint8_t i0 = 0;
    std::uint8_t i1 = 0;
    std::uint8_t i2 = 0;
};

RadioRange DecodeIdentification(std::span<const std::uint8_t, 3> head);
IdentificationHead EncodeIdentification(RadioRange range);

// Band limits in counts of 10 Hz, as the band text "lo-hiMHz" gives them.
struct BandLimits {
    std::uint32_t low = 0;
    std::uint32_t high = 0;
};

// The radios that report the range of a known model (radio_models.h: 136-174,
// 136-480 and 400-520 MHz) are compared:
// the band must lie inside the radio's range. Any other range is never
// compared, as nothing is known about what such a radio takes.
bool BandFitsRadio(RadioRange radio, BandLimits band);

// The band that goes with the image's model byte: 0x37 is the 136-174 MHz
// model, 0x38 the 400-520 MHz one. false for any other byte.
[[nodiscard]] bool BandForModelByte(std::uint8_t model, BandLimits& band);
