#pragma once

#include <optional>
#include <string>
#include <string_view>

// Spreadsheets save "Unicode text" as UTF-16, and some tools write UTF-32.
// Such a file is known by its byte-order mark or, without one, by the zero
// bytes around its first character, which in a channel list is ASCII (a
// heading, '#' or '"'). Returns the text as UTF-8, or none when the bytes
// are neither; a unit that is no character becomes U+FFFD.
[[nodiscard]] std::optional<std::string> DecodeWideText(std::string_view bytes);
