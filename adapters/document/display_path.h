#pragma once

#include <QString>

// A path as messages show it: the platform's separators, and every character
// a terminal would act on or could not show escaped ("\n", "\x1B"), so that a
// file name cannot move the cursor or hide part of a message. Bytes that were
// not valid text reach the program as U+FFFD and are shown as "\uFFFD".
QString DisplayPath(const QString& path);
