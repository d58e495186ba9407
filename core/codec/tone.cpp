#include "tone.h"

#include "bcd.h"
#include "c_number.h"
#include "decimal_scale.h"
#include "double_chars.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

constexpr const char* kCtcssTones[] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
};

constexpr const char* kDcsCodes[] = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072", "073",
    "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155", "156", "162",
    "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255",
    "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455",
    "462", "464", "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624",
    "627", "631", "632", "645", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754",
};

static_assert(std::size(kCtcssTones) == 50);
static_assert(std::size(kDcsCodes) == 105);
static_assert(1 + std::size(kCtcssTones) + 2 * std::size(kDcsCodes) == kToneListSize);

std::string formatDcs(int base, char polarity, ToneCode code)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "D%03d%c", BcdToInt(static_cast<std::uint8_t>(code.high - base)) * 100 +
                                                   BcdToInt(code.low), polarity);
    return buf;
}

ToneCode parseDcs(long long value, int base)
{
    return {static_cast<std::uint8_t>(value / 100 + base), IntToBcd(value % 100)};
}

// The truncated value as an integer; out-of-range values saturate rather than
// overflow.
long long truncToInteger(double v)
{
    if (!std::isfinite(v))
        return 0;
    v = std::trunc(v);
    if (v >= 9.2e18)
        return std::numeric_limits<long long>::max();
    if (v <= -9.2e18)
        return std::numeric_limits<long long>::min();
    return static_cast<long long>(v);
}

} // namespace

std::string FormatTone(ToneCode code)
{
    if (code.high == 0xFF)
        return "Off";
    if (code.high >= 0xC0)
        return formatDcs(0xC0, 'I', code);
    if (code.high >= 0x80)
        return formatDcs(0x80, 'N', code);

    const int tenths = BcdToInt(code.high) * 100 + BcdToInt(code.low);
    char buf[32];
    const auto res = DoubleToChars(buf, buf + sizeof buf, DecimalScale(tenths, 0.1), std::chars_format::fixed, 1);
    return std::string(buf, res.ptr);
}

ToneCode ParseTone(std::string_view text, ToneCode current)
{
    if (text.find("Off") != std::string_view::npos)
        return {0xFF, 0xFF};

    if (!text.empty() && text.front() == 'D') {
        const std::string_view rest = text.substr(1);
        if (rest.find('N') != std::string_view::npos)
            return parseDcs(LeadingInteger(rest), 0x80);
        if (rest.find('I') != std::string_view::npos)
            return parseDcs(LeadingInteger(rest), 0xC0);
        return current;
    }

    const long long tenths = truncToInteger(DecimalScale(LeadingDouble(text), 10));
    return {IntToBcd(tenths / 100), IntToBcd(tenths % 100)};
}

void BuildToneList(std::vector<std::string>& list)
{
    list.clear();
    list.reserve(kToneListSize);
    list.emplace_back("Off");
    for (const char* tone : kCtcssTones)
        list.emplace_back(tone);
    for (const char* digits : kDcsCodes)
        list.push_back(std::string("D") + digits + "N");
    for (const char* digits : kDcsCodes)
        list.push_back(std::string("D") + digits + "I");
}
