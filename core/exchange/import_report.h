#pragma once

#include "exchange/channel_csv.h"
#include "image/ui_text.h"

#include <string>
#include <vector>

// An import's report as the user reads it, worded here once for every host.
// A host hands in its translation of the core's English templates
// (EnglishText where it has none); the values from the file are filled in
// after translating, already escaped.
// The reason alone, translated and filled in.
[[nodiscard]] std::string ReportReasonText(const ReportLine& line, const TranslateText& translate);

// "Line 7, skipped: ...", "Line 9, changed: ...", "Line 2: ...", or the reason
// alone for the file as a whole.
[[nodiscard]] std::string ReportLineForUserText(const ReportLine& line, const TranslateText& translate);

// Every line of the report. A file without a Frequency column is told which
// headings the import reads.
[[nodiscard]] std::vector<std::string> ImportReportTexts(const ImportResult& result, const TranslateText& translate);

// "4 rows loaded, 1 skipped.", each count with its singular where it is 1;
// withChannels adds how many channels change: "...; 3 channels change."
[[nodiscard]] std::string ImportSummaryText(const ImportResult& result, const TranslateText& translate,
                                            bool withChannels = false);
