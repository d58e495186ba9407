#pragma once

#include "image/radio_image.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// The backups of what was in a radio: every completed read, and the read
// before a write when the user asks for one, kept as channel files in the
// user's data location ($XDG_DATA_HOME/hmprog/backups on Linux), the same for
// the desktop program and hmprog-cli. Nothing is ever deleted here.

// The folder, whether or not it exists yet.
QString BackupFolder();

// "2026-12-07_14-03-22_HM-615V.sin": the moment and the model that the
// image's model byte names ("unknown" when it names none).
QString BackupFileName(const RadioImage& image, const QDateTime& when);

// Where a backup went, or why it could not be kept.
struct [[nodiscard]] KeptBackup {
    QString path;      // the new file when kept
    QString failure;   // for the user: what failed and why, empty when kept

    bool ok() const { return failure.isEmpty(); }
};

// Writes the image as a new file in the folder, creating the folder when
// needed. Nothing that stands in the folder is ever replaced or written
// through, a symbolic link included: a second backup in the same second, by
// this program or another, gets "-2", "-3" ... before ".sin".
KeptBackup KeepBackup(const RadioImage& image, const QDateTime& when = QDateTime::currentDateTime());

// The backups in the folder, full paths, newest first.
QStringList ListBackups();
