#include "exchange/channel_csv.h"

#include "codec/frequency.h"
#include "exchange/channel_settings.h"
#include "exchange/csv_columns.h"
#include "exchange/csv_tones.h"
#include "exchange/csv_values.h"

namespace {

// Transmit frequencies this far from receive are an offset, farther a split.
constexpr std::uint32_t kLargestOffset = 5000000;   // 50 MHz in counts

constexpr std::string_view kLineEnd = "\r\n";

std::string field(std::string_view value)
{
    if (value.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(value);
    std::string quoted = "\"";
    for (const char c : value) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

struct Duplex {
    std::string_view direction;
    std::uint32_t offset = 0;
};

Duplex duplexOf(const ChannelSettings& channel)
{
    if (channel.txCount == 0)
        return {"off", 0};
    if (channel.txCount == channel.rxCount)
        return {"", 0};
    const bool up = channel.txCount > channel.rxCount;
    const std::uint32_t distance = up ? channel.txCount - channel.rxCount : channel.rxCount - channel.txCount;
    if (distance <= kLargestOffset)
        return {up ? "+" : "-", distance};
    return {"split", channel.txCount};
}

std::string_view stepOf(std::uint32_t count)
{
    if (count % kRaster5k != 0 && count % kRaster6k25 == 0)
        return "6.25";
    return "5.00";
}

std::string_view busyText(BusyLockout busy)
{
    switch (busy) {
    case BusyLockout::Carrier:
        return "Carrier";
    case BusyLockout::QtDqt:
        return "QT/DQT";
    case BusyLockout::Off:
        break;
    }
    return "Off";
}

void appendRow(std::string& out, const std::vector<std::string>& values)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += ',';
        out += field(values[i]);
    }
    out += kLineEnd;
}

std::vector<std::string> channelRow(int n, const ChannelSettings& channel, const ExportOptions& options)
{
    const Duplex duplex = duplexOf(channel);
    ToneColumns tones = ToneColumnsOf(channel.rxTone, channel.txTone);
    std::vector<std::string> row = {
        std::to_string(n),
        "",
        MegahertzText(channel.rxCount),
        std::string(duplex.direction),
        MegahertzText(duplex.offset),
        std::move(tones.tone),
        std::move(tones.rToneFreq),
        std::move(tones.cToneFreq),
        std::move(tones.dtcsCode),
        std::move(tones.dtcsPolarity),
        std::move(tones.rxDtcsCode),
        std::move(tones.crossMode),
        channel.narrow ? "NFM" : "FM",
        std::string(stepOf(channel.rxCount)),
        channel.scanAdd ? "" : "S",
        // Nominal figures: the image holds only the level.
        channel.highPower ? "5.0W" : "1.0W",
        "", "", "", "", "",
    };
    if (!options.standardColumns)
        row.emplace_back(busyText(channel.busy));
    return row;
}

} // namespace

std::string ExportChannelsCsv(const RadioImage& image, const ExportOptions& options)
{
    const std::size_t columns = options.standardColumns ? kStandardColumnCount : kCsvColumnCount;
    std::string out;
    appendRow(out, std::vector<std::string>(kCsvColumnNames.begin(), kCsvColumnNames.begin() + columns));
    for (int n = 1; n <= RadioImage::kChannelCount; ++n) {
        if (IsChannelInUse(image.channel(n)))
            appendRow(out, channelRow(n, ReadChannelSettings(image.channel(n)), options));
    }
    return out;
}
