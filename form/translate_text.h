#pragma once

#include <string>
#include <vector>

// A host's translation of a text marked HMPROG_TEXT, for core functions that
// put translated pieces together; EnglishText keeps the text as it is.
using TranslateText = std::string (*)(const char* english);

inline std::string EnglishText(const char* english)
{
    return english;
}

// The template with %1, %2 ... replaced by args; a % followed by anything
// else, or by a number with no arg, stays as it is.
[[nodiscard]] std::string FilledTemplate(const std::string& text, const std::vector<std::string>& args);
