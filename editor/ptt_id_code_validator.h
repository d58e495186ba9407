#pragma once

#include <QValidator>

// Typing into the PTT ID Code: letters become upper case, and only characters
// that the image can hold (Latin-1, one byte each, not the 0xFF padding) are
// accepted. Texts set by the program are not checked.
class PttIdCodeValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};
