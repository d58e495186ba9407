#include "exchange/wide_text.h"

#include <cstdint>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct WideForm {
    std::size_t unit = 0;      // 2 or 4 bytes; 0: not a wide text
    bool bigEndian = false;
    std::size_t skip = 0;      // the byte-order mark's length
};

std::uint8_t byteAt(std::string_view bytes, std::size_t i)
{
    return i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : 0xFF;
}

WideForm formOf(std::string_view b)
{
    const std::uint8_t b0 = byteAt(b, 0), b1 = byteAt(b, 1), b2 = byteAt(b, 2), b3 = byteAt(b, 3);
    if (b0 == 0xFF && b1 == 0xFE && b2 == 0 && b3 == 0)
        return {4, false, 4};
    if (b0 == 0 && b1 == 0 && b2 == 0xFE && b3 == 0xFF)
        return {4, true, 4};
    if (b0 == 0xFF && b1 == 0xFE)
        return {2, false, 2};
    if (b0 == 0xFE && b1 == 0xFF)
        return {2, true, 2};
    if (b0 != 0 && b1 == 0 && b2 == 0 && b3 == 0)
        return {4, false, 0};
    if (b0 == 0 && b1 == 0 && b2 == 0 && b3 != 0 && b3 != 0xFF)
        return {4, true, 0};
    if (b0 != 0 && b0 != 0xFF && b1 == 0)
        return {2, false, 0};
    if (b0 == 0 && b1 != 0 && b1 != 0xFF)
        return {2, true, 0};
    return {};
}

std::uint32_t unitAt(std::string_view bytes, std::size_t i, const WideForm& form)
{
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < form.unit; ++k) {
        const std::size_t at = form.bigEndian ? i + k : i + form.unit - 1 - k;
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at]);
    }
    return value;
}

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool isHighSurrogate(std::uint32_t u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}

bool isLowSurrogate(std::uint32_t u)
{
    return u >= 0xDC00 && u <= 0xDFFF;
}

// The character at i and the bytes it takes; a pair of UTF-16 surrogates is one.
std::pair<char32_t, std::size_t> characterAt(std::string_view bytes, std::size_t i, const WideForm& form)
{
    const std::uint32_t unit = unitAt(bytes, i, form);
    if (form.unit == 4)
        return {unit > 0x10FFFF || isHighSurrogate(unit) || isLowSurrogate(unit) ? kReplacement : unit, 4};
    if (isHighSurrogate(unit) && i + 4 <= bytes.size()) {
        const std::uint32_t low = unitAt(bytes, i + 2, form);
        if (isLowSurrogate(low))
            return {0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), 4};
    }
    return {isHighSurrogate(unit) || isLowSurrogate(unit) ? kReplacement : unit, 2};
}

} // namespace

std::optional<std::string> DecodeWideText(std::string_view bytes)
{
    const WideForm form = formOf(bytes);
    if (form.unit == 0)
        return std::nullopt;
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = form.skip;
    for (; i + form.unit <= bytes.size();) {
        const auto [code, length] = characterAt(bytes, i, form);
        appendUtf8(out, code);
        i += length;
    }
    if (i < bytes.size())
        appendUtf8(out, kReplacement);   // a unit cut short at the end
    return out;
}
