#include "decimal_scale.h"

#include "double_chars.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

__extension__ typedef unsigned __int128 UInt128;

// A decimal: mantissa x 10^exponent, mantissa of at most 15 digits.
struct Decimal {
    bool negative = false;
    std::uint64_t mantissa = 0;
    int exponent = 0;
};

Decimal toDecimal15(double value)
{
    // Scientific notation with 14 digits after the point is the value
    // correctly rounded to 15 significant digits.
    char buf[40];
    const auto res = DoubleToChars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    Decimal d;
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p != res.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            d.mantissa = d.mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    int exp10 = 0;
    if (p != res.ptr)
        std::from_chars(*(p + 1) == '+' ? p + 2 : p + 1, res.ptr, exp10);
    d.exponent = exp10 - 14;
    return d;
}

std::string toString(UInt128 v)
{
    if (v == 0)
        return "0";
    std::string digits;
    while (v != 0) {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    }
    return digits;
}

} // namespace

double DecimalScale(double value, double factor)
{
    if (!std::isfinite(value) || !std::isfinite(factor))
        return value * factor;

    const Decimal a = toDecimal15(value);
    const Decimal b = toDecimal15(factor);
    const UInt128 product = static_cast<UInt128>(a.mantissa) * b.mantissa;

    // The exact product as text, read back with correct rounding.
    // Appended piece by piece: GCC 12 warns (-Wrestrict) on a literal
    // concatenated with a temporary string.
    std::string text;
    if (a.negative != b.negative)
        text += '-';
    text += toString(product);
    text += 'e';
    text += std::to_string(a.exponent + b.exponent);
    double result = 0.0;
    const auto [end, ec] = DoubleFromChars(text.data(), text.data() + text.size(), result);
    if (ec == std::errc::result_out_of_range)
        return value * factor;
    return result;
}
