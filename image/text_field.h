#pragma once

#include "radio_image.h"

#include <QByteArray>

// The 8-byte text fields of the image (kill codes, PTT ID code): the
// character codes from the field's first byte, the rest 0xFF.

// Bytes up to the first 0xFF, at most 8.
QByteArray ReadTextField(const RadioImage& image, std::size_t offset);

// All 8 bytes to 0xFF, then the first 8 bytes of text.
void WriteTextField(RadioImage& image, std::size_t offset, const QByteArray& text);
