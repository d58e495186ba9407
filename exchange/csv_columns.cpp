#include "exchange/csv_columns.h"

#include "exchange/csv_records.h"

#include <algorithm>

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

} // namespace

std::optional<CsvColumn> ColumnNamed(std::string_view headerField)
{
    const std::string_view name = Trimmed(headerField);
    for (std::size_t i = 0; i < kCsvColumnNames.size(); ++i) {
        if (sameIgnoringCase(name, kCsvColumnNames[i]))
            return static_cast<CsvColumn>(i);
    }
    return std::nullopt;
}

std::string KnownHeadingsText()
{
    std::string text;
    for (const std::string_view name : kCsvColumnNames) {
        if (!text.empty())
            text += ", ";
        text += name;
    }
    return text;
}
