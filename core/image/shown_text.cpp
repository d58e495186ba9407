#include "image/shown_text.h"

#include <cstdint>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void appendHex(std::string& out, std::uint32_t value, int digits)
{
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += kHexDigits[(value >> shift) & 0xF];
}

// The code point of the UTF-8 sequence at i and its length; length 0 when
// the bytes there start no character.
struct Decoded {
    char32_t code = 0;
    std::size_t length = 0;
};

Decoded decodeAt(std::string_view s, std::size_t i)
{
    const auto b0 = static_cast<std::uint8_t>(s[i]);
    const std::size_t length = b0 < 0x80 ? 1 : b0 >= 0xC2 && b0 <= 0xDF ? 2 : b0 >= 0xE0 && b0 <= 0xEF ? 3
                               : b0 >= 0xF0 && b0 <= 0xF4               ? 4
                                                                        : 0;
    if (length == 0 || i + length > s.size())
        return {};
    char32_t code = length == 1 ? b0 : b0 & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<std::uint8_t>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return {};
        code = (code << 6) | (b & 0x3F);
    }
    return {code, length};
}

bool reordersText(char32_t c)
{
    return (c >= 0x200E && c <= 0x200F) || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

std::string ShownText(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Decoded decoded = decodeAt(utf8, i);
        if (decoded.length == 0 || decoded.code < 0x20 || decoded.code == 0x7F) {
            out += "\\x";
            appendHex(out, static_cast<std::uint8_t>(utf8[i]), 2);
            ++i;
        } else if ((decoded.code >= 0x80 && decoded.code <= 0x9F) || reordersText(decoded.code)) {
            out += "\\u";
            appendHex(out, decoded.code, 4);
            i += decoded.length;
        } else {
            out.append(utf8.substr(i, decoded.length));
            i += decoded.length;
        }
    }
    return out;
}
