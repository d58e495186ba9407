#pragma once

#include "form/channel_rows.h"

#include <string>
#include <string_view>
#include <vector>

// What a paste tells the user, the same on every host. Each line is an
// English template marked with HMPROG_TEXT, %1, %2 ... standing for its args,
// so that a host translates the template before filling it in: first how
// many channels were pasted, then each frequency stored other than as typed,
// the channels not pasted, and the rows that found no channel.
struct PasteReportLine {
    const char* text = "";
    std::vector<std::string> args;
    // A line about a row that was not pasted as it came: listed when the
    // lines are more than the status bar holds.
    bool aboutARow = false;
    bool operator==(const PasteReportLine& other) const
    {
        return std::string_view(text) == other.text && args == other.args && aboutARow == other.aboutARow;
    }
};

[[nodiscard]] std::vector<PasteReportLine> PasteReport(const PasteOutcome& outcome);
