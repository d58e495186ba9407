#include "double_chars.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#if !defined(__cpp_lib_to_chars)
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool startsWithWord(std::string_view text, std::string_view word)
{
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if ((text[i] | 0x20) != word[i])
            return false;
    }
    return true;
}

// The length of the longest prefix from_chars would read: "inf", "infinity",
// "nan", "nan(...)", or digits with at most one point and an exponent that
// has digits. 0 when there is no number.
std::size_t numberLength(std::string_view text)
{
    if (startsWithWord(text, "infinity"))
        return 8;
    if (startsWithWord(text, "inf"))
        return 3;
    if (startsWithWord(text, "nan")) {
        const std::size_t close = text.find(')');
        return text.size() > 3 && text[3] == '(' && close != std::string_view::npos ? close + 1 : 3;
    }
    std::size_t n = 0;
    std::size_t digits = 0;
    while (n < text.size() && isDigit(text[n]))
        ++n, ++digits;
    if (n < text.size() && text[n] == '.') {
        ++n;
        while (n < text.size() && isDigit(text[n]))
            ++n, ++digits;
    }
    if (digits == 0)
        return 0;
    if (n < text.size() && (text[n] == 'e' || text[n] == 'E')) {
        std::size_t e = n + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        if (e < text.size() && isDigit(text[e])) {
            while (e < text.size() && isDigit(text[e]))
                ++e;
            n = e;
        }
    }
    return n;
}

} // namespace
#endif

std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value)
{
#if defined(__cpp_lib_to_chars)
    return std::from_chars(first, last, value);
#else
    const std::string_view text(first, static_cast<std::size_t>(last - first));
    const bool negative = !text.empty() && text.front() == '-';
    const std::size_t length = numberLength(text.substr(negative ? 1 : 0));
    if (length == 0)
        return {first, std::errc::invalid_argument};
    // The prefix is plain digits, so strtod reads all of it: the C libraries
    // that lack from_chars here (musl) know no decimal point but '.'.
    const std::string number(first, first + (negative ? 1 : 0) + length);
    errno = 0;
    const double parsed = std::strtod(number.c_str(), nullptr);
    const char* end = first + number.size();
    if (errno == ERANGE && (std::isinf(parsed) || parsed == 0.0))
        return {end, std::errc::result_out_of_range};
    value = parsed;
    return {end, std::errc()};
#endif
}

std::to_chars_result DoubleToChars(char* first, char* last, double value, std::chars_format format, int precision)
{
#if defined(__cpp_lib_to_chars)
    return std::to_chars(first, last, value, format, precision);
#else
    // musl's printf, like from_chars, writes '.' whatever the locale.
    const char* pattern = format == std::chars_format::scientific ? "%.*e" : "%.*f";
    const auto size = static_cast<std::size_t>(last - first);
    const int written = std::snprintf(first, size, pattern, precision, value);
    if (written < 0 || static_cast<std::size_t>(written) >= size)
        return {last, std::errc::value_too_large};
    return {first + written, std::errc()};
#endif
}
