#pragma once

#include "image/radio_image.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Which bits of the image the form shows, and under what names. The kill
// codes and the kill switch bit are not on the form (they have a dialog of
// their own), so they count as radio data outside it.

// The bits of the byte at offset that some field of the form shows. A channel
// not in use in image shows nothing but its Rx frequency's top byte, which
// marks it unused.
std::uint8_t FormBits(const RadioImage& image, std::size_t offset);

// The names of the fields that the bits of the byte at offset belong to:
// "Channel 3 Rx Tone", "Squelch Level", ...; none outside the form.
std::vector<std::string> FormFieldsAt(std::size_t offset, std::uint8_t bits);
