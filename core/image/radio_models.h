#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The radios this program knows: what the Model combo shows, the byte the
// image records, the band the form offers, and the ranges such a radio
// reports in its identification. A band is checked against a radio only when
// the radio reports one of these ranges; an unknown range is never compared.
struct RadioModel {
    std::string_view modelText;     // the Model combo's item
    std::uint8_t modelByte;         // the image's byte at layout::kModel
    std::string_view bandText;      // the Frequency combo's item, "lo-hiMHz"
    int bandLowMHz;
    int bandHighMHz;
    // The ranges in MHz a radio of this model may report: the model's own and,
    // for the VHF radio, the wider range of its earlier firmware.
    std::span<const int> reportedRanges;   // pairs: low, high, low, high ...
};

// In the order of the Model combo: index i is model byte kModelBase + i.
std::span<const RadioModel> RadioModels();

const RadioModel* ModelByText(std::string_view modelText);
const RadioModel* ModelByByte(std::uint8_t modelByte);

// The model that reports this range, or none for a range never compared.
const RadioModel* ModelReporting(int lowMHz, int highMHz);
