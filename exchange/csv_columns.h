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
};

inline constexpr std::size_t kCsvColumnCount = 22;
inline constexpr std::size_t kStandardColumnCount = 21;

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

// The column a header field names, matched without regard to case or the
// spaces around it.
[[nodiscard]] std::optional<CsvColumn> ColumnNamed(std::string_view headerField);
