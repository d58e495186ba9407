#pragma once

#include "image/radio_image.h"
#include "image/ui_text.h"

// What --keep-radio-data writes: the file's form (its channels, its settings
// and the PTT ID Code, as the form shows them) stored onto the memory read
// from the radio, so that every byte the form does not show (the kill codes,
// the kill switch, a channel's other bytes, other radio data) stays the
// radio's own.
[[nodiscard]] RadioImage FileFormOntoRadio(const RadioImage& file, const RadioImage& radio);

// What a fleet's row adds after the result of a radio written so.
inline constexpr const char* kRadioDataKept = HMPROG_TEXT(", radio data kept");
