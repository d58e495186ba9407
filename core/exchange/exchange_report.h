#pragma once

#include "image/ui_text.h"

#include <string>

// One line of an import's report: its text as the core hands texts over, for
// a host to translate and fill in.
enum class ReportKind {
    Skipped,   // the row was not loaded
    Changed,   // the row was loaded with a value changed
    Note,      // something the user should know; nothing was lost
    Failure,   // nothing could be read
};

struct ReportLine {
    int line = 0;   // the file's physical line, counted from 1; 0 for the file as a whole
    ReportKind kind = ReportKind::Note;
    UiText text;
};

// The template with its args put in.
[[nodiscard]] std::string FilledText(const ReportLine& report);

// "Line 7: " and the filled text, or the filled text alone for line 0.
[[nodiscard]] std::string ReportLineText(const ReportLine& report);
