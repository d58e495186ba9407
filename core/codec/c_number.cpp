#include "c_number.h"

#include "double_chars.h"

#include <charconv>
#include <cctype>
#include <limits>

namespace {

std::string_view skipSpace(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    return text;
}

// Takes an optional sign off the front; true when it was a minus.
bool takeSign(std::string_view& text)
{
    if (text.empty() || (text.front() != '+' && text.front() != '-'))
        return false;
    const bool negative = text.front() == '-';
    text.remove_prefix(1);
    return negative;
}

} // namespace

double LeadingDouble(std::string_view text)
{
    text = skipSpace(text);
    const bool negative = takeSign(text);
    if (text.empty() || text.front() == '+' || text.front() == '-')
        return 0.0;
    double value = 0.0;
    const auto [end, ec] = DoubleFromChars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow; atof gives infinity or 0.
        bool tiny = false;
        for (const char* p = text.data(); p != end; ++p) {
            if (*p == 'e' || *p == 'E') {
                tiny = p + 1 != end && p[1] == '-';
                break;
            }
        }
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (ec != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

long long LeadingInteger(std::string_view text)
{
    text = skipSpace(text);
    const bool negative = takeSign(text);
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        // Saturate where atoi would overflow.
        if (value > (std::numeric_limits<long long>::max() - (c - '0')) / 10) {
            value = std::numeric_limits<long long>::max();
            break;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}
