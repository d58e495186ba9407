#pragma once

#include <QString>

#include <string>

// The fleet log on disk. It is appended to, never rewritten: each row goes
// out in one write() to a file opened with O_APPEND, so a crash leaves no
// half row and two runs can share one log.

// Opens the log, creating it with its heading row when it is new: the file
// descriptor, or -1 with the reason in error.
[[nodiscard]] int OpenFleetLog(const QString& path, QString& error);

// Appends one whole line; false when it could not be written whole.
[[nodiscard]] bool AppendFleetLogLine(int file, const std::string& line);
