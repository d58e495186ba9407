#pragma once

#include <string_view>

// The leading number of a text as the C library's atof and atoi read it in the
// "C" locale, whatever locale the program runs in: leading white space, a sign,
// then as many characters as form a number. 0 when there is none.
double LeadingDouble(std::string_view text);
long long LeadingInteger(std::string_view text);
