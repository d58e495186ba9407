#pragma once

#include <string>
#include <string_view>

// A text from a file or a radio, made safe to show: a terminal would act on
// its control characters (an escape sequence can clear the screen or retitle
// the window) and a NUL cuts a C string short. C0 controls and DEL become
// \xHH, C1 controls and the marks that reorder text (bidirectional
// overrides, isolates, line and paragraph separators) \uHHHH; everything else
// is kept as it is. The text is UTF-8; a byte that starts no character is
// shown as \xHH too.
[[nodiscard]] std::string ShownText(std::string_view utf8);
