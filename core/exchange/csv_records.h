#pragma once

#include <string>
#include <string_view>
#include <vector>

// One record of a CSV text and the physical line it starts on, counted from 1
// with every line of the file (comments, blank lines and the lines inside
// quoted fields included), so that a report names the line an editor shows.
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

struct CsvRecords {
    std::vector<CsvRecord> records;
    // The line of a quoted field still open at the end of the text, or 0.
    int unclosedQuoteLine = 0;
};

// ';' when the first record that is not blank and not a comment has more
// semicolons than commas outside quotes (spreadsheets that write a decimal
// comma separate with ';'), a tab when it has more tabs than either (rows
// copied from the grid or a spreadsheet), otherwise ','.
[[nodiscard]] char DetectSeparator(std::string_view text);

// Splits a text into records: fields in double quotes may hold the separator,
// line breaks and doubled quotes; CRLF, LF and CR each end a line. Fields are
// as written, surrounding spaces included, quotes removed.
[[nodiscard]] CsvRecords ReadCsvRecords(std::string_view text, char separator);

// A record with no text in any field: a blank line or one of separators only.
[[nodiscard]] bool IsBlankRecord(const CsvRecord& record);

// A record whose first field begins with '#'.
[[nodiscard]] bool IsCommentRecord(const CsvRecord& record);

// The text without the spaces and tabs around it.
[[nodiscard]] std::string_view Trimmed(std::string_view text);
