#include "editor/ptt_id_code.h"

#include <algorithm>

QString PttIdCodeShown(const QString& text)
{
    QString shown = text;
    for (QChar& c : shown) {
        const QChar upper = c.toUpper();
        if (upper.unicode() < 0xFF)
            c = upper;
    }
    return shown;
}

bool PttIdCodeStorable(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0xFF; });
}
