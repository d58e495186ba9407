#include "form/translate_text.h"

std::string FilledTemplate(const std::string& text, const std::vector<std::string>& args)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool isArg = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const auto arg = isArg ? static_cast<std::size_t>(text[i + 1] - '1') : args.size();
        if (arg < args.size()) {
            out += args[arg];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
