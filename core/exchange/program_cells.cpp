#include "exchange/program_cells.h"

#include "exchange/csv_records.h"
#include "exchange/csv_values.h"
#include "form/cell_commit.h"

#include <algorithm>

namespace {

// true for the first word, false for the second, the first for an empty cell.
std::optional<bool> oneOf(std::string_view text, std::string_view first, std::string_view second)
{
    const std::string word = UpperCase(Trimmed(text));
    if (word.empty() || word == first)
        return true;
    if (word == second)
        return false;
    return std::nullopt;
}

} // namespace

std::optional<ToneCode> ToneCell(std::string_view text, bool decimalComma)
{
    std::string typed(Trimmed(text));
    if (typed.empty())
        return ToneCode{};
    if (decimalComma)
        std::replace(typed.begin(), typed.end(), ',', '.');
    const std::optional<std::string> stored = StorableToneText(typed);
    if (!stored)
        return std::nullopt;
    return ParseTone(*stored, {});
}

std::optional<bool> NarrowCell(std::string_view text)
{
    const std::optional<bool> wide = oneOf(text, "WIDE", "NARROW");
    return wide ? std::optional<bool>(!*wide) : std::nullopt;
}

std::optional<bool> ScanAddCell(std::string_view text)
{
    return oneOf(text, "ADD", "DEL");
}
