#include "exchange/import_report.h"

#include "exchange/csv_columns.h"
#include "image/text_fill.h"
#include "image/ui_text.h"

#include <algorithm>

namespace {

// The summaries whole, one for each count being one or not, so that a
// translation can give each its own grammar.
constexpr const char* kRows[2] = {
    HMPROG_TEXT("%1 rows loaded, %2 skipped."),
    HMPROG_TEXT("%1 row loaded, %2 skipped."),
};
constexpr const char* kRowsAndChannels[2][2] = {
    {HMPROG_TEXT("%1 rows loaded, %2 skipped; %3 channels change."),
     HMPROG_TEXT("%1 rows loaded, %2 skipped; %3 channel changes.")},
    {HMPROG_TEXT("%1 row loaded, %2 skipped; %3 channels change."),
     HMPROG_TEXT("%1 row loaded, %2 skipped; %3 channel changes.")},
};

std::size_t one(long count)
{
    return count == 1 ? 1 : 0;
}

bool lacksFrequencyColumn(const ImportResult& result)
{
    return result.status == ImportStatus::Failed && !result.report.empty() &&
           std::string_view(result.report.front().text.pattern) == kNoFrequencyColumn;
}

} // namespace

std::string ReportReasonText(const ReportLine& line, const TranslateText& translate)
{
    return FillText(line.text, translate);
}

std::string ReportLineForUserText(const ReportLine& line, const TranslateText& translate)
{
    const std::string reason = ReportReasonText(line, translate);
    if (line.line == 0)
        return reason;
    const char* pattern = HMPROG_TEXT("Line %1: %2");
    if (line.kind == ReportKind::Skipped)
        pattern = HMPROG_TEXT("Line %1, skipped: %2");
    else if (line.kind == ReportKind::Changed)
        pattern = HMPROG_TEXT("Line %1, changed: %2");
    return FillText(translate(pattern), {std::to_string(line.line), reason});
}

std::vector<std::string> ImportReportTexts(const ImportResult& result, const TranslateText& translate)
{
    std::vector<std::string> texts;
    for (const ReportLine& line : result.report)
        texts.push_back(ReportLineForUserText(line, translate));
    if (lacksFrequencyColumn(result))
        texts.push_back(FillText(translate(HMPROG_TEXT("The headings it reads: %1.")), {KnownHeadingsText()}));
    return texts;
}

std::string ImportSummaryText(const ImportResult& result, const TranslateText& translate, bool withChannels)
{
    const long loaded = std::count_if(result.rows.begin(), result.rows.end(),
                                      [](const ImportRow& row) { return row.channel != 0; });
    const long skipped = std::count_if(result.report.begin(), result.report.end(),
                                       [](const ReportLine& line) { return line.kind == ReportKind::Skipped; });
    const long changed = std::count(result.changed.begin(), result.changed.end(), true);
    std::vector<std::string> args = {std::to_string(loaded), std::to_string(skipped)};
    if (!withChannels)
        return FillText(translate(kRows[one(loaded)]), args);
    args.push_back(std::to_string(changed));
    return FillText(translate(kRowsAndChannels[one(loaded)][one(changed)]), args);
}
