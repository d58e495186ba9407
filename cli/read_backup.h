#pragma once

#include "image/radio_image.h"

#include <QString>

// Keeps a completed read in the backups folder. A backup that cannot be kept
// is one warning line on standard error and never fails the read; the path,
// or empty when none was kept.
QString KeepReadBackup(const RadioImage& image);

// The argument as a POSIX shell reads it back: quoted when it holds anything
// beyond letters, digits and "_./:=+,@%-".
QString ShellQuoted(const QString& argument);
