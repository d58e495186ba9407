#pragma once

#include "image/ui_text.h"

#include <string>
#include <string_view>
#include <vector>

// The pattern with %1 to %9 replaced by the arguments, as often as each
// appears, in one pass, so that an argument holding "%1" stays as it is. A
// marker without its argument stays too. The hosts' translations keep the
// same markers, so a host translates the pattern first and fills it after.
[[nodiscard]] std::string FillText(std::string_view pattern, const std::vector<std::string>& args);

// The text's pattern through the host's translation, then filled in.
[[nodiscard]] std::string FillText(const UiText& text, TranslateText translate = EnglishText);
