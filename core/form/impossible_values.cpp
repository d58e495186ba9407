#include "form/impossible_values.h"

#include "codec/frequency.h"
#include "codec/tone.h"
#include "image/image_layout.h"
#include "image/radio_models.h"
#include "image/ui_text.h"

#include <algorithm>
#include <cstdio>

namespace {

// The texts about one frequency or tone of a channel.
struct FrequencyTexts {
    std::size_t at;
    const char* noFrequency;
    const char* outsideBand;
};

constexpr FrequencyTexts kRx = {layout::kRxFrequency, HMPROG_TEXT("Channel %1: the Rx bytes %2 are no frequency"),
                                HMPROG_TEXT("Channel %1: Rx %2 MHz is outside %3")};
constexpr FrequencyTexts kTx = {layout::kTxFrequency, HMPROG_TEXT("Channel %1: the Tx bytes %2 are no frequency"),
                                HMPROG_TEXT("Channel %1: Tx %2 MHz is outside %3")};
constexpr const char* kNoRxTone = HMPROG_TEXT("Channel %1: Rx tone %2 is no CTCSS or DCS tone");
constexpr const char* kNoTxTone = HMPROG_TEXT("Channel %1: Tx tone %2 is no CTCSS or DCS tone");
constexpr const char* kNoModel = HMPROG_TEXT("The model byte %1 names no model");
constexpr const char* kNoBand = HMPROG_TEXT("The band byte %1 names no band of the model");
constexpr const char* kSquelchRange = HMPROG_TEXT("Squelch Level %1 is outside 0-9");
constexpr const char* kTotRange = HMPROG_TEXT("TOT %1 is outside 1-10");
constexpr const char* kVoxRange = HMPROG_TEXT("Vox %1 is outside 0-9");

std::string hexBytes(std::span<const std::uint8_t> bytes)
{
    std::string text;
    for (const std::uint8_t byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        text += (text.empty() ? "" : " ") + std::string(hex);
    }
    return text;
}

std::string HexByte(std::uint8_t byte)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", byte);
    return hex;
}

bool validBcd(std::span<const std::uint8_t> bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return (b >> 4) <= 9 && (b & 0x0F) <= 9; });
}

class Findings {
public:
    Findings(const RadioImage& image, std::size_t limit) : m_image(image), m_limit(limit) {}

    void add(const char* text, std::vector<std::string> args)
    {
        if (m_found.size() < m_limit)
            m_found.push_back({text, std::move(args)});
    }

    void checkChannels(const RadioModel& model);
    void checkSettings();
    std::vector<ImpossibleValue> found() { return std::move(m_found); }

private:
    void checkFrequency(int channel, const FrequencyTexts& texts, const RadioModel& model);
    void checkTone(int channel, std::size_t low, const char* text);
    void checkByte(std::size_t offset, const char* text, int lowest, int highest);

    const RadioImage& m_image;
    std::size_t m_limit;
    std::vector<ImpossibleValue> m_found;
};

void Findings::checkFrequency(int channel, const FrequencyTexts& texts, const RadioModel& model)
{
    const auto bytes = m_image.channel(channel).subspan(texts.at, 4);
    if (!validBcd(bytes)) {
        add(texts.noFrequency, {std::to_string(channel), hexBytes(bytes)});
        return;
    }
    const std::uint32_t count = DecodeFrequency({bytes[0], bytes[1], bytes[2], bytes[3]});
    const auto low = static_cast<std::uint32_t>(model.bandLowMHz) * kCountsPerMHz;
    const auto high = static_cast<std::uint32_t>(model.bandHighMHz) * kCountsPerMHz;
    if (count < low || count > high)
        add(texts.outsideBand, {std::to_string(channel), FormatFrequency(count), std::string(model.bandText)});
}

void Findings::checkTone(int channel, std::size_t low, const char* text)
{
    static const std::vector<std::string> tones = [] {
        std::vector<std::string> list;
        BuildToneList(list);
        return list;
    }();
    const auto record = m_image.channel(channel);
    const std::string tone = FormatTone({.high = record[low + 1], .low = record[low]});
    if (std::find(tones.begin(), tones.end(), tone) == tones.end())
        add(text, {std::to_string(channel), tone});
}

void Findings::checkChannels(const RadioModel& model)
{
    for (int channel = 1; channel <= RadioImage::kChannelCount; ++channel) {
        const auto record = m_image.channel(channel);
        const auto inUse = [](std::uint8_t top) { return top != 0xFF && top != 0x00; };
        if (!inUse(record[layout::kRxFrequency + 3]))
            continue;
        checkFrequency(channel, kRx, model);
        if (inUse(record[layout::kTxFrequency + 3]))
            checkFrequency(channel, kTx, model);
        checkTone(channel, layout::kRxToneLow, kNoRxTone);
        checkTone(channel, layout::kTxToneLow, kNoTxTone);
    }
}

void Findings::checkByte(std::size_t offset, const char* text, int lowest, int highest)
{
    const int value = m_image.byte(offset);
    if (value < lowest || value > highest)
        add(text, {std::to_string(value)});
}

void Findings::checkSettings()
{
    checkByte(layout::kSquelchLevel, kSquelchRange, 0, 9);
    checkByte(layout::kTot, kTotRange, 1, 10);
    checkByte(layout::kVox, kVoxRange, 0, 9);
}

} // namespace

std::vector<ImpossibleValue> FindImpossibleValues(const RadioImage& image, std::size_t limit)
{
    Findings findings(image, limit);
    const RadioModel* model = ModelByByte(image.byte(layout::kModel));
    if (!model)
        findings.add(kNoModel, {HexByte(image.byte(layout::kModel))});
    if (image.byte(layout::kBand) != layout::kBandBase)
        findings.add(kNoBand, {HexByte(image.byte(layout::kBand))});
    // An unknown model byte shows as the first model, whose band the channels are then held to.
    findings.checkChannels(model ? *model : RadioModels().front());
    findings.checkSettings();
    return findings.found();
}
