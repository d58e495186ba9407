#include "editor/ptt_id_code_validator.h"

QValidator::State PttIdCodeValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    for (QChar& c : input) {
        const QChar upper = c.toUpper();
        // Some Latin-1 letters have an upper case outside Latin-1: keep them.
        if (upper.unicode() < 0xFF)
            c = upper;
        if (c.unicode() >= 0xFF)
            return Invalid;
    }
    return Acceptable;
}
