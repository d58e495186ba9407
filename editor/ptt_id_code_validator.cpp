#include "editor/ptt_id_code_validator.h"

#include "editor/ptt_id_code.h"

QValidator::State PttIdCodeValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    input = PttIdCodeShown(input);
    return PttIdCodeStorable(input) ? Acceptable : Invalid;
}
