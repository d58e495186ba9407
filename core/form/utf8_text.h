#pragma once

#include <string>
#include <string_view>

// The form's texts are UTF-8; the image's text fields hold Latin-1 codes.

// Invalid UTF-8 reads as U+FFFD, one per byte that starts no character.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);

std::string Latin1ToUtf8(std::string_view latin1);
// Every character beyond Latin-1 becomes '?', one per UTF-16 unit it takes.
std::string Utf8ToLatin1(std::string_view text);

// The simple upper case of a Latin-1 character, and of the characters beyond
// Latin-1 whose upper case is a Latin-1 one (dotless i, long s); any other
// character is returned as it is.
char32_t UpperCaseLatin1(char32_t c);
