#pragma once

#include <string>
#include <string_view>
#include <vector>

// Marks an English text that the core hands to a host for the user to see.
// The core has no translation of its own: every host passes such a text
// through its translation in the context "hmprog" (the desktop and the
// command line through CoreText, document/core_text.h), and lupdate finds the
// texts when told -tr-function-alias QT_TR_NOOP+=HMPROG_TEXT.
#define HMPROG_TEXT(text) (text)

inline constexpr const char* kUiTextContext = "hmprog";

// A text for the user as the core hands it over: an English pattern marked
// HMPROG_TEXT, %1 to %9 standing for its args. The args are values (numbers,
// frequencies, what the user typed) and never translated, so a host
// translates the pattern first and fills it in after (FillText).
struct UiText {
    const char* pattern = "";
    std::vector<std::string> args;

    friend bool operator==(const UiText& a, const UiText& b)
    {
        return std::string_view(a.pattern) == b.pattern && a.args == b.args;
    }
};

// A host's translation of a pattern, for core functions that put translated
// pieces together; EnglishText keeps the pattern as it is.
using TranslateText = std::string (*)(const char* english);

inline std::string EnglishText(const char* english)
{
    return english;
}
