#pragma once

#include "image/radio_image.h"
#include "image/ui_text.h"

#include <cstddef>
#include <string>
#include <vector>

// A value in an image that no radio of the image's model can hold: what a
// file of garbage, or one written by something else, gives away. The file
// still opens (every byte shows as something); the hosts say so and ask
// before writing such an image into a radio.
// Its args are the values as the form shows them: "Channel %1: Rx %2 MHz is
// outside %3" with "3", "907.47000", "136-174 MHz".
using ImpossibleValue = UiText;

// The first values, at most limit, in the order of the image: channels in
// use with a frequency outside the model's band or no frequency at all, tone
// codes that are no CTCSS or DCS tone of the list; a model or band byte that
// names none, a Squelch Level, TOT or Vox byte outside its range. None for
// what a radio or File New holds.
[[nodiscard]] std::vector<ImpossibleValue> FindImpossibleValues(const RadioImage& image, std::size_t limit = 5);

// What each host says before the list, and asks before writing.
inline constexpr const char* kImpossibleValuesOpened =
    HMPROG_TEXT("This file holds values that no radio of its model can hold:");
inline constexpr const char* kImpossibleValuesWrite =
    HMPROG_TEXT("What would be written holds values that no radio of its model can hold:");
inline constexpr const char* kImpossibleValuesQuestion = HMPROG_TEXT("Write it into the radio anyway?");
