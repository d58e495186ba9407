#include "fleet/fleet_log.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace {

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string secondsText(double seconds)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.1f", seconds);
    return text.data();
}

} // namespace

std::string FleetLogHeader()
{
    return "time,file,sha256,port,cable_serial,radio,result,verified,radio_data,backup,seconds\n";
}

std::string FleetLogLine(const FleetLogRow& row)
{
    const std::string_view fields[] = {row.time,  row.file,     row.fileSha256, row.port,      row.cableSerial,
                                       row.radio, row.result,   row.verified,   row.radioData, row.backup};
    std::string line;
    for (const std::string_view field : fields)
        line += csvField(field) + ',';
    return line + secondsText(row.seconds) + '\n';
}

std::string LogTimeText(std::time_t when)
{
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    std::array<char, 40> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%S%z", &local);
    return std::string(text.data(), length);
}
