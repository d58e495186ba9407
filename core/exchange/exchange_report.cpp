#include "exchange/exchange_report.h"

#include "image/text_fill.h"
#include "image/ui_text.h"

std::string FilledText(const ReportLine& report)
{
    return FillText(report.text, report.args);
}

std::string ReportLineText(const ReportLine& report)
{
    if (report.line == 0)
        return FilledText(report);
    ReportLine prefix{0, report.kind, HMPROG_TEXT("Line %1: "), {std::to_string(report.line)}};
    return FilledText(prefix) + FilledText(report);
}
