#include "image/text_fill.h"

std::string FillText(std::string_view pattern, const std::vector<std::string>& args)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool marker = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                            pattern[i + 1] <= '9' && static_cast<std::size_t>(pattern[i + 1] - '1') < args.size();
        if (!marker) {
            text += pattern[i];
            continue;
        }
        text += args[static_cast<std::size_t>(pattern[i + 1] - '1')];
        ++i;
    }
    return text;
}

std::string FillText(const UiText& text, TranslateText translate)
{
    return FillText(translate(text.pattern), text.args);
}
