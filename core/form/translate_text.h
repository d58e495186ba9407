#pragma once

#include <string>

// A host's translation of a text marked HMPROG_TEXT, for core functions that
// put translated pieces together; EnglishText keeps the text as it is.
using TranslateText = std::string (*)(const char* english);

inline std::string EnglishText(const char* english)
{
    return english;
}
