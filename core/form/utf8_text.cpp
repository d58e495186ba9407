#include "form/utf8_text.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The length of the sequence a lead byte starts, 0 for a byte that starts none.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool isContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

} // namespace

std::u32string DecodeUtf8(std::string_view text)
{
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = sequenceLength(lead);
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k)
            valid = isContinuation(static_cast<unsigned char>(text[i + k]));
        if (!valid) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
        const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
        out.push_back(overlong || surrogate || c > 0x10FFFF ? kReplacement : c);
        i += length;
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view text)
{
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::string Latin1ToUtf8(std::string_view latin1)
{
    std::u32string codes;
    for (char b : latin1)
        codes.push_back(static_cast<unsigned char>(b));
    return EncodeUtf8(codes);
}

std::string Utf8ToLatin1(std::string_view text)
{
    std::string out;
    for (char32_t c : DecodeUtf8(text)) {
        if (c <= 0xFF)
            out.push_back(static_cast<char>(c));
        else
            out.append(c >= 0x10000 ? 2 : 1, '?');
    }
    return out;
}

char32_t UpperCaseLatin1(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    switch (c) {
    case 0xB5:
        return 0x39C;   // micro sign: Greek capital mu
    case 0xFF:
        return 0x178;   // y with diaeresis: its capital lies beyond Latin-1
    case 0x131:
        return U'I';    // dotless i
    case 0x17F:
        return U'S';    // long s
    default:
        return c;
    }
}
