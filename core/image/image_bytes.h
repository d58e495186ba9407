#pragma once

#include "archive.h"
#include "radio_image.h"

#include <cstdint>
#include <span>
#include <vector>

// The image as a channel file holds it: exactly the 1024 bytes, offset 0
// first, with no header. Reading and writing the file is the host's work.

// Storing: the 1024 bytes in offset order. Loading: 1024 bytes into the
// image, which is replaced only once all of them have arrived.
void SerializeImage(CArchive& ar, RadioImage& image);

[[nodiscard]] std::vector<std::uint8_t> ImageFileBytes(const RadioImage& image);

// Replaces the image with bytes when they are exactly one image long; any
// other length leaves it untouched and gives false.
[[nodiscard]] bool LoadImageFileBytes(std::span<const std::uint8_t> bytes, RadioImage& image);
