#pragma once

#include <QString>

#include <string_view>

// Standard output is buffered; a full disk or a closed pipe shows only when
// the buffer is flushed. The first failure's reason is kept, so that the
// exit status can tell a script that what it was given is incomplete.

// Writes text to standard output: false when it cannot be written.
bool PrintToStandardOutput(std::string_view text);

// Flushes standard output now: false when it cannot be written.
[[nodiscard]] bool FlushStandardOutput();

// Flushes what is left: empty when everything written to standard output
// reached it, else the reason it did not.
[[nodiscard]] QString StandardOutputFailure();
