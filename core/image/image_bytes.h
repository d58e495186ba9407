#pragma once

#include "archive.h"
#include "radio_image.h"
#include "ui_text.h"

#include <cstdint>
#include <span>
#include <vector>

// The image as a channel file holds it: exactly the 1024 bytes, offset 0
// first, with no header. Reading and writing the file is the host's work.

// What every host says when a channel file cannot be opened or saved, and
// of a file of another length: its name, its length, the image's length.
inline constexpr const char* kChannelFileOpenFailed = HMPROG_TEXT("Failed to open document.");
inline constexpr const char* kChannelFileSaveFailed = HMPROG_TEXT("Failed to save document.");
inline constexpr const char* kChannelFileLength = HMPROG_TEXT("%1 is %2 bytes long; a channel file holds %3 bytes.");

// Storing: the 1024 bytes in offset order. Loading: 1024 bytes into the
// image, which is replaced only once all of them have arrived.
void SerializeImage(CArchive& ar, RadioImage& image);

[[nodiscard]] std::vector<std::uint8_t> ImageFileBytes(const RadioImage& image);

// Replaces the image with bytes when they are exactly one image long; any
// other length leaves it untouched and gives false.
[[nodiscard]] bool LoadImageFileBytes(std::span<const std::uint8_t> bytes, RadioImage& image);
