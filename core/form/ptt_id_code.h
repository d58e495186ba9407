#pragma once

#include <string>
#include <string_view>

// The PTT ID Code edit shows letters in upper case, typed or loaded alike.
// A Latin-1 letter whose upper case lies outside Latin-1 stays as it is, so
// that every character still fits one byte of the image. Texts are UTF-8.
std::string PttIdCodeShown(std::string_view text);

// Whether every character can be stored: one Latin-1 byte, and not the 0xFF
// that pads the field.
bool PttIdCodeStorable(std::string_view text);
