#pragma once

#include <ctime>
#include <string>

// One radio programmed from a fleet run, as the dealer's log records it: what
// went into which radio through which cable, and whether it took. Every host
// appends the same rows, so that one log can hold the runs of all of them.
struct FleetLogRow {
    std::string time;        // LogTimeText of when the radio's transfer ended
    std::string file;        // the channel file as the user named it
    std::string fileSha256;  // Sha256Hex of its bytes
    std::string port;
    std::string cableSerial; // the USB adapter's serial number, empty where none is known
    std::string radio;       // the range the radio reported, "136-174 MHz"; empty when it never answered
    std::string result;      // "written", "failed: ...", "other model", "cancelled"
    std::string verified;    // "yes", "no", or empty when no read back was asked for
    std::string radioData;   // "kept" (the file's form onto the radio's memory) or "replaced"
    std::string backup;      // the backup's path, empty when none was kept
    double seconds = 0;
};

// The heading row, ending in a newline.
[[nodiscard]] std::string FleetLogHeader();

// The row as one CSV line ending in a newline; a field holding a comma, a
// quote or a line break is quoted, its quotes doubled, so that a spreadsheet
// reads it back whole.
[[nodiscard]] std::string FleetLogLine(const FleetLogRow& row);

// "2026-12-10T14:03:22+0100": local time with its offset, so that rows from
// machines in other zones, or across a clock change, still sort and compare.
[[nodiscard]] std::string LogTimeText(std::time_t when);
