#pragma once

#include <string>
#include <string_view>

// A channel list's bytes as UTF-8 text. Spreadsheets on Windows still save
// Windows-1252 files, so a file that is not valid UTF-8 is taken as that.
struct DecodedText {
    std::string text;
    bool fromWindows1252 = false;
};

// Converts UTF-16 and UTF-32 (see DecodeWideText), skips a UTF-8 byte-order
// mark, then keeps valid UTF-8 as it is and converts anything else from
// Windows-1252.
[[nodiscard]] DecodedText DecodeChannelListText(std::string_view bytes);

[[nodiscard]] bool IsValidUtf8(std::string_view bytes);

// At most maxBytes of the text, cut before a character rather than inside it.
[[nodiscard]] std::string_view CutAtCharacter(std::string_view utf8, std::size_t maxBytes);
