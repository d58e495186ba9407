#pragma once

#include "document/file_status.h"
#include "image/radio_image.h"

#include <QString>

// A channel file named on the command line, where "-" stands for standard
// input when the file is read and for standard output when it is written.
[[nodiscard]] FileStatus ReadChannel(const QString& argument, RadioImage& image);
[[nodiscard]] FileStatus WriteChannel(const QString& argument, const RadioImage& image);

// A channel list (CSV) named on the command line, "-" standing for standard
// input or output in the same way.
[[nodiscard]] FileStatus ReadChannelList(const QString& argument, QByteArray& bytes);
[[nodiscard]] FileStatus WriteChannelList(const QString& argument, const QByteArray& bytes);

// The name a message gives the file: "standard input" for "-", else the path.
QString ChannelName(const QString& argument, bool reading);

// Prints a failed file operation for the user: "hmprog-cli: TEXT", then the
// detail on a line of its own.
void PrintFileError(const FileStatus& status);
