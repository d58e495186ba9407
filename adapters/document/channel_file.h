#pragma once

#include "document/file_status.h"
#include "image/radio_image.h"

#include <QIODevice>
#include <QString>

// The .sin channel file: exactly the 1024 image bytes, offset 0 first.
// A file of any other length, or anything that is not a regular file (a
// folder, a FIFO, a device), is refused; at most 1025 bytes are read to tell.

// Reads the file into image; on failure image is left untouched.
FileStatus LoadChannelFile(const QString& path, RadioImage& image);
// The same for a stream that is already open for reading, such as standard
// input; name stands for it in messages.
FileStatus LoadChannelStream(QIODevice& stream, const QString& name, RadioImage& image);

// Writes through a temporary file beside the target, renamed over it only
// when all 1024 bytes are written. A target that exists and is not a regular
// file (a device, a FIFO) is refused and left alone; a symbolic link to a
// regular file has its target replaced.
FileStatus SaveChannelFile(const QString& path, const RadioImage& image);
// The save's first check on its own: Ok when path may be written, else the
// failure the save would report. Lets a caller refuse before any work.
FileStatus CheckChannelFileOutput(const QString& path);
// The 1024 bytes to a stream that is already open for writing, such as
// standard output; name stands for it in messages.
FileStatus WriteChannelStream(QIODevice& stream, const QString& name, const RadioImage& image);
