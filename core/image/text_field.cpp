#include "text_field.h"

#include "image_layout.h"

#include <algorithm>

std::string ReadTextField(const RadioImage& image, std::size_t offset)
{
    std::string text;
    for (std::size_t i = 0; i < layout::kTextFieldSize; ++i) {
        const std::uint8_t b = image.byte(offset + i);
        if (b == 0xFF)
            break;
        text.push_back(static_cast<char>(b));
    }
    return text;
}

void WriteTextField(RadioImage& image, std::size_t offset, std::string_view text)
{
    for (std::size_t i = 0; i < layout::kTextFieldSize; ++i)
        image.setByte(offset + i, 0xFF);
    const std::size_t n = std::min(text.size(), layout::kTextFieldSize);
    for (std::size_t i = 0; i < n; ++i)
        image.setByte(offset + i, static_cast<std::uint8_t>(text[i]));
}
