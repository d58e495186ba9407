#include "latin1_text.h"

namespace {

constexpr char16_t kNulSymbol = 0x2400;

} // namespace

QString BytesToText(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b == 0 ? QChar(kNulSymbol) : QChar(b));
    }
    return text;
}

QByteArray TextToBytes(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() == kNulSymbol)
            bytes.append('\0');
        else if (c.unicode() <= 0xFF)
            bytes.append(static_cast<char>(c.unicode()));
        else
            bytes.append('?');
    }
    return bytes;
}
