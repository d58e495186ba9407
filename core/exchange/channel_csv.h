#pragma once

#include "exchange/exchange_report.h"
#include "image/radio_image.h"
#include "image/radio_models.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Channel lists in the CSV format that radio programming tools and
// spreadsheets exchange.

struct ExportOptions {
    // Leaves out the Busy column, for tools that refuse unknown columns.
    bool standardColumns = false;
};

// The channels in use, one row each, in the format's 21 columns and then
// Busy; UTF-8 without BOM, CRLF line ends.
[[nodiscard]] std::string ExportChannelsCsv(const RadioImage& image, const ExportOptions& options);

struct ImportOptions {
    // Puts the usable rows into channels 1, 2 ... in file order, whatever
    // their Location says.
    bool renumber = false;
    // When set, only the rows starting on these physical lines are taken; the
    // others are left out without a word. For picking 16 rows of a long list.
    std::optional<std::vector<int>> chosenLines;
    // The model whose band the frequencies must lie in; none: the model the
    // base image records.
    const RadioModel* model = nullptr;
};

enum class ImportStatus {
    AllLoaded,       // every row was loaded
    SomeSkipped,     // at least one row was loaded and at least one skipped
    NothingLoaded,   // no row could be loaded
    Failed,          // the text is not a channel list: no Frequency column
};

// One data row of the file, for a preview to list and pick from.
struct ImportRow {
    int line = 0;             // where the row starts in the file
    std::string frequency;    // the Frequency field as written, control characters escaped
    bool usable = false;      // passed every check of its own values
    int channel = 0;          // the channel it went to; 0 when not loaded
};

struct ImportResult {
    ImportStatus status = ImportStatus::Failed;
    RadioImage image;                                     // the base with the rows put in
    std::array<bool, RadioImage::kChannelCount> changed{};   // [n - 1]: channel n's bytes differ from the base
    std::vector<ReportLine> report;                       // in line order, file-wide notes first
    std::vector<ImportRow> rows;
};

// Puts the channels of a CSV text into a copy of the base image through the
// form's store rules; channels the text does not fill stay as in the base.
[[nodiscard]] ImportResult ImportChannelsCsv(std::string_view bytes, const RadioImage& base,
                                             const ImportOptions& options);
