#pragma once

#include <charconv>

// std::from_chars and std::to_chars for a double, also where the standard
// library has none for floating point (the libc++ of emscripten 3.1).

// The general format.
std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value);
// The fixed or scientific format with precision digits after the point.
std::to_chars_result DoubleToChars(char* first, char* last, double value, std::chars_format format, int precision);
