#include "exchange/csv_values.h"

#include "codec/frequency.h"
#include "exchange/csv_records.h"
#include "exchange/text_encoding.h"
#include "image/shown_text.h"

namespace {

constexpr std::size_t kLongestQuotedValue = 32;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view withoutLeadingZeros(std::string_view digits)
{
    while (!digits.empty() && digits.front() == '0')
        digits.remove_prefix(1);
    return digits;
}

std::string_view withoutTrailingZeros(std::string_view digits)
{
    while (!digits.empty() && digits.back() == '0')
        digits.remove_suffix(1);
    return digits;
}

} // namespace

std::string UpperCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string QuotedValue(std::string_view field)
{
    const std::string_view value = Trimmed(field);
    const std::string_view shown = CutAtCharacter(value, kLongestQuotedValue);
    // Built piece by piece: GCC 12 warns falsely (-Wrestrict) on "..." + std::string.
    std::string quoted = "\"";
    quoted += ShownText(shown);
    quoted += shown.size() < value.size() ? "...\"" : "\"";
    return quoted;
}

std::optional<std::string> DecimalText(std::string_view field, bool decimalComma)
{
    const std::string_view text = Trimmed(field);
    std::string out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            out += '-';
        ++i;
    }
    bool digits = false;
    bool mark = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            digits = true;
            out += c;
        } else if (!mark && (c == '.' || (decimalComma && c == ','))) {
            mark = true;
            out += '.';
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    return out;
}

bool SameDecimal(std::string_view a, std::string_view b)
{
    const auto split = [](std::string_view text) {
        const std::size_t point = text.find('.');
        const std::string_view whole = point == std::string_view::npos ? text : text.substr(0, point);
        const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
        return std::pair(withoutLeadingZeros(whole), withoutTrailingZeros(fraction));
    };
    return split(a) == split(b);
}

std::string MegahertzText(std::uint64_t count)
{
    const std::string fraction = std::to_string(count % kCountsPerMHz * 10);
    return std::to_string(count / kCountsPerMHz) + "." + std::string(6 - fraction.size(), '0') + fraction;
}
