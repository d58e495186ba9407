#pragma once

#include <QString>
#include <QtGlobal>

// What a path names, seen through symbolic links. Only a regular file is read
// as a channel file or replaced by a save: opening a FIFO or a device waits
// for a writer that may never come, and renaming a new file over a device
// node would put a plain file where the device was.
enum class FileKind { Missing, Regular, Directory, Fifo, Socket, CharacterDevice, BlockDevice, Other };

[[nodiscard]] FileKind KindOfFile(const QString& path);
#if defined(Q_OS_UNIX)
[[nodiscard]] FileKind KindOfDescriptor(int fd);
#endif

// "a folder", "a FIFO (named pipe)", "a character device", ...; for any other
// kind this text, which the fleet's English log messages use as it is.
QString FileKindText(FileKind kind);
inline constexpr const char* kNotARegularFile = QT_TRANSLATE_NOOP("FileKindTexts", "not a regular file");

// Empty when the program may write path: nothing is there yet, or it is (or
// links to) a regular file. Otherwise the reason, naming the path.
[[nodiscard]] QString CheckOutputFile(const QString& path);
