#include "form/cell_commit.h"

#include "form/utf8_text.h"

#include "codec/frequency.h"
#include "codec/tone.h"

#include <algorithm>
#include <regex>

namespace {

// A decimal number without sign or exponent, written the shortest way:
// "067.50" and "67.5" both give "67.5", "0.0" gives "0".
std::string shortestDecimal(const std::string& number)
{
    const std::size_t point = number.find('.');
    std::string whole = number.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : number.substr(point + 1);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (whole.empty())
        whole = "0";
    if (!fraction.empty()) {
        whole += '.';
        whole += fraction;
    }
    return whole;
}

std::string storedTone(const std::string& typed)
{
    return FormatTone(ParseTone(Utf8ToLatin1(typed), ToneCode{}));
}

// Whether the tone the channel would hold reads back as the same kind of tone
// with the same number: a CTCSS value of 800 Hz or more reads back as a DCS
// code, an "N" code of 6400 or more as an "I" code. DCS digits are octal.
bool namesTheStoredTone(const std::string& typed)
{
    static const std::regex ctcss("(?=\\.?[0-9])[0-9]*(\\.[0-9]*)?");
    static const std::regex dcs("D([0-7]+)([NI])");

    if (std::regex_match(typed, ctcss)) {
        const std::string stored = storedTone(typed);
        return std::regex_match(stored, ctcss) && shortestDecimal(stored) == shortestDecimal(typed);
    }
    std::smatch code;
    if (std::regex_match(typed, code, dcs)) {
        const std::string stored = storedTone(typed);
        std::smatch storedCode;
        return std::regex_match(stored, storedCode, dcs) && storedCode[2] == code[2] &&
               shortestDecimal(storedCode[1]) == shortestDecimal(code[1]);
    }
    return false;
}

std::string upperCase(const std::string& text)
{
    std::u32string codes = DecodeUtf8(text);
    std::transform(codes.begin(), codes.end(), codes.begin(), UpperCaseLatin1);
    return EncodeUtf8(codes);
}

} // namespace

CommittedFrequency CommitFrequency(const std::string& typed, std::uint32_t bandLow, std::uint32_t bandHigh)
{
    // Where the decimal separator is a comma, the keypad types one.
    std::string number = Utf8ToLatin1(typed);
    std::replace(number.begin(), number.end(), ',', '.');
    // Counts beyond 32 bits come back as the largest count, above every band.
    std::uint32_t count = ParseFrequency(number);
    FrequencyCorrection correction = FrequencyCorrection::None;
    if (count != 0) {
        if (count > bandHigh) {
            count = bandHigh;
            correction = FrequencyCorrection::LoweredToBand;
        }
        if (count < bandLow) {
            count = bandLow;
            correction = FrequencyCorrection::RaisedToBand;
        }
    }
    // Lowered only: the band edges are not applied again.
    if (!IsOnRaster(count)) {
        count = SnapToStep(count);
        if (correction == FrequencyCorrection::None && count != 0)
            correction = FrequencyCorrection::LoweredOntoRaster;
    }
    if (count == 0)
        return {};
    return {FormatFrequency(count), correction};
}

ChannelCells NewChannelCells(const std::string& frequency)
{
    const std::string off = "Off";
    return {frequency, frequency, off, off, off, "High", "Wide", "Add"};
}

std::optional<std::string> StorableToneText(const std::string& typedText)
{
    const std::string typed = upperCase(typedText);
    // "Off" in any case: no character beyond ASCII folds to O or F.
    if (typed == "OFF")
        return std::string("Off");
    if (namesTheStoredTone(typed))
        return typed;
    return std::nullopt;
}
