#include "upper_case_validator.h"

QValidator::State UpperCaseValidator::validate(QString& input, int& pos) const
{
    const QString upper = input.toUpper();
    // A few letters grow when capitalised ("ß" becomes "SS"); keep the cursor
    // behind what was typed.
    pos += static_cast<int>(upper.size() - input.size());
    input = upper;
    return Acceptable;
}
