#include "form/ptt_id_code.h"

#include "form/utf8_text.h"

#include <algorithm>

std::string PttIdCodeShown(std::string_view text)
{
    std::u32string shown = DecodeUtf8(text);
    for (char32_t& c : shown) {
        const char32_t upper = UpperCaseLatin1(c);
        if (upper < 0xFF)
            c = upper;
    }
    return EncodeUtf8(shown);
}

bool PttIdCodeStorable(std::string_view text)
{
    const std::u32string codes = DecodeUtf8(text);
    return std::all_of(codes.begin(), codes.end(), [](char32_t c) { return c < 0xFF; });
}
