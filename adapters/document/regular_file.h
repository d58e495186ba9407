#pragma once

#include "document/file_kind.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

// Reading and replacing whole files without ever waiting on something that
// is not a regular file. Each returns an empty text on success, otherwise the
// reason, naming the path.

// How a file's reader words a path that is not a regular file.
using NotRegularWording = QString (*)(const QString& path, FileKind kind);

// Opens path for reading: what is not a regular file is refused before it is
// opened, and opened without blocking in case it was swapped for a FIFO in
// between.
[[nodiscard]] QString OpenRegularFile(const QString& path, QFile& file, NotRegularWording refused);

// Up to limit bytes, fewer only at the end of the stream; none on a read error.
[[nodiscard]] std::optional<QByteArray> ReadAtMost(QIODevice& stream, qint64 limit);

// Writes bytes through a temporary file beside path, renamed over it only
// when all of them are written.
[[nodiscard]] QString ReplaceFileContents(const QString& path, const QByteArray& bytes);

// Writes bytes to a stream that is already open, such as standard output.
[[nodiscard]] QString WriteToStream(QIODevice& stream, const QString& name, const QByteArray& bytes);

// "path: reason".
[[nodiscard]] QString FileReason(const QString& path, const QString& reason);
