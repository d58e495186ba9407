#pragma once

#include <QString>

// Every error of hmprog-cli reaches standard error through here: "hmprog-cli:
// TEXT", or "hmprog-cli COMMAND: TEXT" when the sub-command names itself.
void PrintError(const QString& text, const char* command = nullptr);
