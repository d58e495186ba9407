#include "exchange/text_encoding.h"

#include "exchange/wide_text.h"

#include <array>
#include <cstdint>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Windows-1252 bytes 0x80-0x9F. The five bytes the code page leaves undefined
// stay the control characters of the same number, as browsers read them.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char16_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string fromWindows1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : static_cast<char16_t>(b));
    }
    return out;
}

bool isContinuation(std::uint8_t b)
{
    return (b & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at i, or 0 when it is not one:
// overlong forms, surrogates and code points beyond U+10FFFF are not.
std::size_t sequenceLength(std::string_view s, std::size_t i)
{
    const auto b0 = static_cast<std::uint8_t>(s[i]);
    if (b0 < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        if (b0 == 0xE0)
            low = 0xA0;
        if (b0 == 0xED)
            high = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        if (b0 == 0xF0)
            low = 0x90;
        if (b0 == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > s.size())
        return 0;
    const auto b1 = static_cast<std::uint8_t>(s[i + 1]);
    if (b1 < low || b1 > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (!isContinuation(static_cast<std::uint8_t>(s[i + k])))
            return 0;
    }
    return length;
}

} // namespace

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = sequenceLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

DecodedText DecodeChannelListText(std::string_view bytes)
{
    if (std::optional<std::string> wide = DecodeWideText(bytes))
        return {std::move(*wide), false};
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    if (IsValidUtf8(bytes))
        return {std::string(bytes), false};
    return {fromWindows1252(bytes), true};
}

std::string_view CutAtCharacter(std::string_view utf8, std::size_t maxBytes)
{
    if (utf8.size() <= maxBytes)
        return utf8;
    std::size_t end = maxBytes;
    while (end > 0 && isContinuation(static_cast<std::uint8_t>(utf8[end])))
        --end;
    return utf8.substr(0, end);
}
