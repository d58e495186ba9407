#pragma once

#include <string>
#include <vector>

// One line of an import's report. The text is an English template marked
// with HMPROG_TEXT, with %1, %2 ... standing for args, so that a host can
// translate the template before filling it in.
enum class ReportKind {
    Skipped,   // the row was not loaded
    Changed,   // the row was loaded with a value changed
    Note,      // something the user should know; nothing was lost
    Failure,   // nothing could be read
};

struct ReportLine {
    int line = 0;   // the file's physical line, counted from 1; 0 for the file as a whole
    ReportKind kind = ReportKind::Note;
    const char* text = "";
    std::vector<std::string> args;
};

// The template with its args put in.
[[nodiscard]] std::string FilledText(const ReportLine& report);

// "Line 7: " and the filled text, or the filled text alone for line 0.
[[nodiscard]] std::string ReportLineText(const ReportLine& report);
