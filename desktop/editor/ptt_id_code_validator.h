#pragma once

#include <QValidator>

// The PTT ID Code edit: letters turn upper case as they are typed or set, and
// only characters the image can store can be typed.
class PttIdCodeValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};
