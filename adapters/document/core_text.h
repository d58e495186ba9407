#pragma once

#include "image/ui_text.h"

#include <QString>

#include <string>

// The core's English texts (marked HMPROG_TEXT) in the user's language: the
// desktop and the command line translate them here, in the context "hmprog",
// and fill in their arguments after (FillText).
[[nodiscard]] QString CoreText(const char* english);
[[nodiscard]] QString CoreText(const std::string& english);

// A pattern translated, then filled in with its args (FillText): the one
// place where the Qt hosts turn the core's texts into what the user reads.
[[nodiscard]] QString CoreText(const UiText& text);

// The same in UTF-8, for the core's report functions that take a translation.
[[nodiscard]] std::string CoreTextUtf8(const char* english);
