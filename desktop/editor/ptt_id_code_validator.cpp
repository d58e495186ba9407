#include "editor/ptt_id_code_validator.h"

#include "form/ptt_id_code.h"

QValidator::State PttIdCodeValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    const std::string shown = PttIdCodeShown(input.toStdString());
    input = QString::fromStdString(shown);
    return PttIdCodeStorable(shown) ? Acceptable : Invalid;
}
