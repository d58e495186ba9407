#include "exchange/exchange_report.h"

#include "image/text_fill.h"
#include "image/ui_text.h"

std::string FilledText(const ReportLine& report)
{
    return FillText(report.text);
}

std::string ReportLineText(const ReportLine& report)
{
    if (report.line == 0)
        return FilledText(report);
    return FillText(HMPROG_TEXT("Line %1: "), {std::to_string(report.line)}) + FilledText(report);
}
