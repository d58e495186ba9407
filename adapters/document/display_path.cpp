#include "document/display_path.h"
#include "document/path_bytes.h"

#include <QDir>

namespace {

QString escaped(char16_t c)
{
    switch (c) {
    case u'\n':
        return QStringLiteral("\\n");
    case u'\r':
        return QStringLiteral("\\r");
    case u'\t':
        return QStringLiteral("\\t");
    default:
        break;
    }
    const QString hex = QString::number(c, 16).toUpper();
    return c < 0x100 ? QStringLiteral("\\x") + hex.rightJustified(2, u'0')
                     : QStringLiteral("\\u") + hex.rightJustified(4, u'0');
}

bool needsEscape(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xFFFD || (c >= 0x2028 && c <= 0x202E) ||
        (c >= 0x2066 && c <= 0x2069);
}

} // namespace

QString DisplayPath(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    QString shown;
    shown.reserve(native.size());
    for (qsizetype i = 0; i < native.size(); ++i) {
        const char16_t c = native[i].unicode();
        if (const int byte = UndecodedByte(native, i); byte >= 0)
            shown += escaped(static_cast<char16_t>(byte));
        else if (needsEscape(c))
            shown += escaped(c);
        else
            shown += native[i];
    }
    return shown;
}
