#include "exchange/csv_columns.h"

#include "exchange/csv_records.h"
#include "form/form_contents.h"

#include <algorithm>
#include <vector>

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

struct ProgramHeading {
    std::string_view name;
    CsvColumn column;
};

// The grid's headings, as a copy of its rows is headed, and two that simple
// lists use. Busy and Power are the format's names too.
const std::vector<ProgramHeading>& programHeadings()
{
    static const std::vector<ProgramHeading> headings = [] {
        const std::vector<std::string>& grid = GridHeadings();
        return std::vector<ProgramHeading>{
            {grid[kColNumber], CsvColumn::Location},  {"Channel", CsvColumn::Location},
            {grid[kColRxFreq], CsvColumn::Frequency}, {grid[kColTxFreq], CsvColumn::TxFreq},
            {grid[kColRxTone], CsvColumn::RxTone},    {grid[kColTxTone], CsvColumn::TxTone},
            {grid[kColBandwidth], CsvColumn::Bandwidth}, {grid[kColScan], CsvColumn::Scan},
            {"CTCSS", CsvColumn::Ctcss},
        };
    }();
    return headings;
}

} // namespace

std::string_view ColumnName(CsvColumn column)
{
    const auto index = static_cast<std::size_t>(column);
    if (index < kCsvColumnNames.size())
        return kCsvColumnNames[index];
    for (const ProgramHeading& heading : programHeadings()) {
        if (heading.column == column)
            return heading.name;
    }
    return {};
}

std::optional<CsvColumn> ColumnNamed(std::string_view headerField)
{
    const std::string_view name = Trimmed(headerField);
    for (std::size_t i = 0; i < kCsvColumnNames.size(); ++i) {
        if (sameIgnoringCase(name, kCsvColumnNames[i]))
            return static_cast<CsvColumn>(i);
    }
    for (const ProgramHeading& heading : programHeadings()) {
        if (sameIgnoringCase(name, heading.name))
            return heading.column;
    }
    return std::nullopt;
}

std::string KnownHeadingsText()
{
    std::string text;
    const auto add = [&text](std::string_view name) {
        if (!text.empty())
            text += ", ";
        text += name;
    };
    for (const std::string_view name : kCsvColumnNames)
        add(name);
    for (const ProgramHeading& heading : programHeadings())
        add(heading.name);
    return text;
}
