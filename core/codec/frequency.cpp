#include "frequency.h"

#include "bcd.h"
#include "c_number.h"
#include "decimal_scale.h"
#include "double_chars.h"

#include <charconv>
#include <cmath>
#include <limits>

std::uint32_t g_bandLow = 0;
std::uint32_t g_bandHigh = 0;

std::uint32_t DecodeFrequency(const FrequencyBytes& bytes)
{
    std::uint32_t count = 0;
    for (int k = 3; k >= 0; --k)
        count = count * 100 + static_cast<std::uint32_t>(BcdToInt(bytes[static_cast<std::size_t>(k)]));
    return count;
}

FrequencyBytes EncodeFrequency(std::uint32_t count)
{
    FrequencyBytes bytes{};
    std::uint32_t d = 1000000;
    for (int k = 3; k >= 0; --k) {
        const std::uint32_t pair = count / d;
        count %= d;
        d /= 100;
        bytes[static_cast<std::size_t>(k)] = IntToBcd(pair);
    }
    return bytes;
}

std::string FormatFrequency(std::uint32_t count)
{
    char buf[32];
    const auto res = DoubleToChars(buf, buf + sizeof buf, DecimalScale(count, 1.0 / kCountsPerMHz),
                                   std::chars_format::fixed, 5);
    return std::string(buf, res.ptr);
}

std::uint32_t ParseFrequency(std::string_view text)
{
    const double scaled = std::trunc(DecimalScale(LeadingDouble(text), kCountsPerMHz));
    if (std::isnan(scaled) || scaled <= 0)
        return 0;
    // However large, even beyond what a double holds, it lies above the band.
    if (scaled > static_cast<double>(std::numeric_limits<std::uint32_t>::max()))
        return std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(scaled);
}

std::uint32_t SnapToStep(std::uint32_t count)
{
    const std::uint32_t r5 = count % kRaster5k;
    const std::uint32_t r6 = count % kRaster6k25;
    return r5 > r6 ? count - r6 : count - r5;
}

namespace {

// sscanf's %d: white space, an optional sign, at least one digit.
bool scanInt(std::string_view& text, long long& value)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                               text[i] == '\f' || text[i] == '\v'))
        ++i;
    std::size_t digits = i;
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-'))
        ++digits;
    if (digits >= text.size() || text[digits] < '0' || text[digits] > '9')
        return false;
    value = LeadingInteger(text.substr(i));
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    text.remove_prefix(digits);
    return true;
}

} // namespace

bool SetBandLimits(std::string_view bandText)
{
    long long lo = 0;
    long long hi = 0;
    if (!scanInt(bandText, lo) || bandText.empty() || bandText.front() != '-')
        return false;
    bandText.remove_prefix(1);
    if (!scanInt(bandText, hi))
        return false;
    // Wraps like the 32-bit product it stands for.
    g_bandLow = static_cast<std::uint32_t>(static_cast<std::uint64_t>(lo) * kCountsPerMHz);
    g_bandHigh = static_cast<std::uint32_t>(static_cast<std::uint64_t>(hi) * kCountsPerMHz);
    return true;
}
