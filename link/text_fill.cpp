#include "text_fill.h"

#include <vector>

std::string FillText(std::string_view pattern, std::initializer_list<std::string> args)
{
    const std::vector<std::string> values(args);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool marker = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                            pattern[i + 1] <= '9' && static_cast<std::size_t>(pattern[i + 1] - '1') < values.size();
        if (!marker) {
            text += pattern[i];
            continue;
        }
        text += values[static_cast<std::size_t>(pattern[i + 1] - '1')];
        ++i;
    }
    return text;
}
