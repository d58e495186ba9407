#include "cli/print_error.h"

#include <cstdio>

void PrintError(const QString& text, const char* command)
{
    if (command)
        std::fprintf(stderr, "hmprog-cli %s: %s\n", command, qPrintable(text));
    else
        std::fprintf(stderr, "hmprog-cli: %s\n", qPrintable(text));
}
