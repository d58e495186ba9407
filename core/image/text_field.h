#pragma once

#include "radio_image.h"

#include <string>
#include <string_view>

// The 8-byte text fields of the image (kill codes, PTT ID code): the
// character codes from the field's first byte, the rest 0xFF. The bytes are
// Latin-1 character codes, returned and taken as they are.

// Bytes up to the first 0xFF, at most 8.
std::string ReadTextField(const RadioImage& image, std::size_t offset);

// All 8 bytes to 0xFF, then the first 8 bytes of text.
void WriteTextField(RadioImage& image, std::size_t offset, std::string_view text);
