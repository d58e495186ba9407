#pragma once

#include <QString>

#include <string>

// The core's English texts (marked HMPROG_TEXT) in the user's language: the
// desktop and the command line translate them here, in the context "hmprog",
// and fill in their arguments after (FillText).
[[nodiscard]] QString CoreText(const char* english);
[[nodiscard]] QString CoreText(const std::string& english);

// The same in UTF-8, for the core's report functions that take a translation.
[[nodiscard]] std::string CoreTextUtf8(const char* english);
