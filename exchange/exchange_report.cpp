#include "exchange/exchange_report.h"

#include "image/ui_text.h"

std::string FilledText(const ReportLine& report)
{
    const std::string_view text = report.text;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool isArg = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const std::size_t arg = isArg ? static_cast<std::size_t>(text[i + 1] - '1') : 0;
        if (isArg && arg < report.args.size()) {
            out += report.args[arg];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string ReportLineText(const ReportLine& report)
{
    if (report.line == 0)
        return FilledText(report);
    ReportLine prefix{0, report.kind, HMPROG_TEXT("Line %1: "), {std::to_string(report.line)}};
    return FilledText(prefix) + FilledText(report);
}
