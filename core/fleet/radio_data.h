#pragma once

#include "image/radio_image.h"

// What --keep-radio-data writes: the file's form (its channels, its settings
// and the PTT ID Code, as the form shows them) stored onto the memory read
// from the radio, so that every byte the form does not show (the kill codes,
// the kill switch, a channel's other bytes, other radio data) stays the
// radio's own.
[[nodiscard]] RadioImage FileFormOntoRadio(const RadioImage& file, const RadioImage& radio);
