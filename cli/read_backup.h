#pragma once

#include "image/radio_image.h"

#include <QString>

// Keeps a completed read in the backups folder. A backup that cannot be kept
// is one warning line on standard error and never fails the read; the path,
// or empty when none was kept.
QString KeepReadBackup(const RadioImage& image);

// Why a write that was to read the radio first wrote nothing.
inline constexpr const char* kNotReadBeforeWrite = "The radio could not be read before the write; nothing was written.";
inline constexpr const char* kNoBackupBeforeWrite = "No backup of the radio could be kept; nothing was written.";

// The argument as a POSIX shell reads it back: quoted when it holds anything
// beyond letters, digits and "_./:=+,@%-".
QString ShellQuoted(const QString& argument);
