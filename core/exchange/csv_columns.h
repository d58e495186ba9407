#pragma once

#include "image/ui_text.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The columns of the exchange format, in the order it is written.
enum class CsvColumn {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    RToneFreq,
    CToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    UrCall,
    Rpt1Call,
    Rpt2Call,
    DvCode,
    Busy,   // this radio's busy lockout; not one of the format's own columns
    // Read, never written: the program's own columns, as its grid heads them
    // and a paste of channel rows takes them, and the one tone column of
    // simple lists.
    TxFreq,      // the transmit frequency itself; empty: none
    RxTone,      // a tone as the grid shows it: "Off", "67.0", "D023N"
    TxTone,
    Bandwidth,   // Wide, Narrow
    Scan,        // Add, Del
    Ctcss,       // one tone for both directions
};

inline constexpr std::size_t kCsvColumnCount = 22;
inline constexpr std::size_t kStandardColumnCount = 21;
inline constexpr std::size_t kReadColumnCount = 28;

inline constexpr std::array<std::string_view, kCsvColumnCount> kCsvColumnNames = {
    "Location", "Name",     "Frequency", "Duplex", "Offset",   "Tone",     "rToneFreq", "cToneFreq",
    "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep", "Skip",   "Power",
    "Comment",  "URCALL",   "RPT1CALL",  "RPT2CALL", "DVCODE", "Busy",
};

// Why a text is no channel list: no heading names the receive frequency.
inline constexpr const char* kNoFrequencyColumn =
    HMPROG_TEXT("The file has no Frequency column, so it holds no channels this program can read.");

// The headings an import understands, for telling the user: "Location, Name, ...".
[[nodiscard]] std::string KnownHeadingsText();

// The name a report gives the column: the format's name, or the program's
// heading for a column only read.
[[nodiscard]] std::string_view ColumnName(CsvColumn column);

// The column a header field names, matched without regard to case or the
// spaces around it: the format's names, and the program's own headings ("CH",
// "Rx Freq" ...) with "Channel" and "CTCSS".
[[nodiscard]] std::optional<CsvColumn> ColumnNamed(std::string_view headerField);
