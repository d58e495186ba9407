// The fleet log for the page: the same CSV rows and file digest the command
// line writes, so that a dealer's log holds the page's runs beside the others.
#include "fleet/fleet_log.h"
#include "fleet/sha256.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cmath>
#include <ctime>
#include <string>
#include <vector>

namespace {

using emscripten::val;

std::string textField(const val& row, const char* name)
{
    const val field = row[name];
    return field.isString() ? field.as<std::string>() : std::string();
}

// The page's row: { file, fileSha256, port, cableSerial, radio, result,
// verified, radioData, backup, seconds, endedAt (ms since the epoch) }.
std::string fleetLogLine(const val& row)
{
    FleetLogRow line;
    const double endedAtMs = row["endedAt"].isNumber() ? row["endedAt"].as<double>() : 0;
    line.time = LogTimeText(static_cast<std::time_t>(std::floor(endedAtMs / 1000)));
    line.file = textField(row, "file");
    line.fileSha256 = textField(row, "fileSha256");
    line.port = textField(row, "port");
    line.cableSerial = textField(row, "cableSerial");
    line.radio = textField(row, "radio");
    line.result = textField(row, "result");
    line.verified = textField(row, "verified");
    line.radioData = textField(row, "radioData");
    line.backup = textField(row, "backup");
    line.seconds = row["seconds"].isNumber() ? row["seconds"].as<double>() : 0;
    return FleetLogLine(line);
}

std::string sha256Of(const val& bytes)
{
    const std::vector<std::uint8_t> data = emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes);
    return Sha256Hex(data);
}

} // namespace

EMSCRIPTEN_BINDINGS(hmprog_fleet_log)
{
    emscripten::function("fleetLogHeader", &FleetLogHeader);
    emscripten::function("fleetLogLine", &fleetLogLine);
    emscripten::function("sha256Hex", &sha256Of);
}
