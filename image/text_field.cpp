#include "text_field.h"

#include "image_layout.h"

QByteArray ReadTextField(const RadioImage& image, std::size_t offset)
{
    QByteArray text;
    for (std::size_t i = 0; i < layout::kTextFieldSize; ++i) {
        const std::uint8_t b = image.byte(offset + i);
        if (b == 0xFF)
            break;
        text.append(static_cast<char>(b));
    }
    return text;
}

void WriteTextField(RadioImage& image, std::size_t offset, const QByteArray& text)
{
    for (std::size_t i = 0; i < layout::kTextFieldSize; ++i)
        image.setByte(offset + i, 0xFF);
    const auto n = std::min<std::size_t>(static_cast<std::size_t>(text.size()), layout::kTextFieldSize);
    for (std::size_t i = 0; i < n; ++i)
        image.setByte(offset + i, static_cast<std::uint8_t>(text[static_cast<qsizetype>(i)]));
}
