#include "exchange/exchange_report.h"

#include "image/ui_text.h"

std::string FillArgs(std::string_view pattern, const std::vector<std::string>& args)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool isArg = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
        const std::size_t arg = isArg ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
        if (isArg && arg < args.size()) {
            out += args[arg];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string FilledText(const ReportLine& report)
{
    return FillArgs(report.text, report.args);
}

std::string ReportLineText(const ReportLine& report)
{
    if (report.line == 0)
        return FilledText(report);
    ReportLine prefix{0, report.kind, HMPROG_TEXT("Line %1: "), {std::to_string(report.line)}};
    return FilledText(prefix) + FilledText(report);
}
