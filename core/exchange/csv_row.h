#pragma once

#include "exchange/channel_settings.h"
#include "exchange/csv_columns.h"
#include "exchange/csv_records.h"
#include "exchange/exchange_report.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Where each column is in the file's records; -1 for a column the file lacks.
class ColumnPositions {
public:
    ColumnPositions() { m_index.fill(-1); }

    void set(CsvColumn column, int index) { m_index[static_cast<std::size_t>(column)] = index; }
    [[nodiscard]] bool has(CsvColumn column) const { return m_index[static_cast<std::size_t>(column)] >= 0; }

    // The row's field in that column, empty when the column is absent or the
    // row is shorter than the header.
    [[nodiscard]] std::string_view field(const CsvRecord& record, CsvColumn column) const;

private:
    std::array<int, kReadColumnCount> m_index;
};

// What every row of one file is read against.
struct RowContext {
    const ColumnPositions& columns;
    std::uint32_t bandLow = 0;    // counts
    std::uint32_t bandHigh = 0;
    std::string_view bandText;    // "136-174MHz", for reports
    bool decimalComma = false;
    bool readLocation = true;
};

// A row read into a channel, or why it cannot be used.
struct RowReading {
    ChannelSettings settings;
    int location = 0;                   // when the context reads Location
    std::optional<ReportLine> problem;  // the row is skipped
    std::vector<ReportLine> changes;    // values the row was loaded with changed
};

// Starts from a new channel's settings (Off tones and busy lockout, High,
// Wide, Add) so that what a file leaves out takes those values.
[[nodiscard]] RowReading ReadChannelRow(const CsvRecord& record, const RowContext& context);
