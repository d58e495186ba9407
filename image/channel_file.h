#pragma once

#include "archive.h"
#include "file_status.h"
#include "radio_image.h"

#include <QString>

// The .sin channel file: exactly the 1024 image bytes, offset 0 first.
// A shorter file cannot be loaded; of a longer one the first 1024 bytes count.

// Storing: the 1024 bytes in offset order. Loading: 1024 bytes into the
// image, which is replaced only once all of them have arrived.
void SerializeImage(CArchive& ar, RadioImage& image);

// Reads the file into image; on failure image is left untouched.
FileStatus LoadChannelFile(const QString& path, RadioImage& image);

// Writes through a temporary file beside the target, renamed over it only
// when all 1024 bytes are written.
FileStatus SaveChannelFile(const QString& path, const RadioImage& image);
