#pragma once

#include <QByteArray>
#include <QString>

// A file name is bytes to the operating system, and on POSIX they need not be
// UTF-8 (a name from an old archive or another machine). Such a name is
// carried in a QString with each byte that is not part of UTF-8 text as the
// code point U+DC80 to U+DCFF, so that it still names the same file when it
// is opened, checked or replaced. Any other name is its UTF-8 text as always.

[[nodiscard]] QString PathFromBytes(const QByteArray& bytes);
[[nodiscard]] QByteArray PathBytes(const QString& path);

// Whether path holds such a byte (and Qt's own file classes would open
// another name).
[[nodiscard]] bool HoldsUndecodedBytes(const QString& path);

// The byte a code point of U+DC80 to U+DCFF stands for, or -1.
[[nodiscard]] int UndecodedByte(const QString& path, qsizetype i);

#if defined(Q_OS_UNIX)
// ReplaceFileContents for a name that holds such bytes: through a temporary
// file beside it, renamed over it only when every byte is written; a symbolic
// link has its target replaced. Empty on success, else the system's reason.
[[nodiscard]] QString ReplaceUndecodedFile(const QString& path, const QByteArray& bytes);
#endif
