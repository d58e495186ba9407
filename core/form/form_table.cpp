#include "form/form_table.h"

#include "form/setting_labels.h"
#include "form/utf8_text.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

std::size_t utf16Length(const std::string& text)
{
    std::size_t units = 0;
    for (char32_t c : DecodeUtf8(text))
        units += c > 0xFFFF ? 2 : 1;
    return units;
}

std::string padded(const std::string& text, std::size_t width)
{
    const std::size_t length = utf16Length(text);
    return length >= width ? text : text + std::string(width - length, ' ');
}

// The white space a line loses at either end: the Unicode spaces and the
// ASCII controls from tab to carriage return.
bool isSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

std::string trimmed(const std::string& text)
{
    const std::u32string codes = DecodeUtf8(text);
    const auto first = std::find_if_not(codes.begin(), codes.end(), isSpace);
    const auto last = std::find_if_not(codes.rbegin(), codes.rend(), isSpace).base();
    return first < last ? EncodeUtf8(std::u32string(first, last)) : std::string();
}

} // namespace

std::string FormTable(const FormControls& form)
{
    std::size_t labelWidth = std::strlen(kPttIdCodeLabel);
    for (const SettingLabel& setting : SettingLabels())
        labelWidth = std::max(labelWidth, std::strlen(setting.label));
    labelWidth += 2;

    std::string out;
    for (const SettingLabel& setting : SettingLabels()) {
        std::string text = form.GetComboText(setting.combo);
        if (!form.IsComboEnabled(setting.combo))
            text += " (disabled)";
        out += trimmed(padded(setting.label, labelWidth) + text) + '\n';
    }
    out += trimmed(padded(kPttIdCodeLabel, labelWidth) + form.GetPttIdCode()) + '\n';
    out += '\n';

    std::vector<std::size_t> widths(static_cast<std::size_t>(form.GetCols()), 0);
    for (long r = 0; r < form.GetRows(); ++r) {
        for (long c = 0; c < form.GetCols(); ++c) {
            std::size_t& width = widths[static_cast<std::size_t>(c)];
            width = std::max(width, utf16Length(form.GetTextMatrix(r, c)));
        }
    }
    for (long r = 0; r < form.GetRows(); ++r) {
        std::string line;
        for (long c = 0; c < form.GetCols(); ++c)
            line += padded(form.GetTextMatrix(r, c), widths[static_cast<std::size_t>(c)] + 2);
        out += trimmed(line) + '\n';
    }
    return out;
}
