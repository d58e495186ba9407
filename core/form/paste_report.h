#pragma once

#include "form/channel_rows.h"
#include "image/ui_text.h"

#include <vector>

// What a paste tells the user, the same on every host, each line for a host
// to translate and fill in: first how many channels were pasted, then each
// frequency stored other than as typed, the channels not pasted, and the
// rows that found no channel.
struct PasteReportLine {
    UiText text;
    // A line about a row that was not pasted as it came: listed when the
    // lines are more than the status bar holds.
    bool aboutARow = false;
    friend bool operator==(const PasteReportLine&, const PasteReportLine&) = default;
};

[[nodiscard]] std::vector<PasteReportLine> PasteReport(const PasteOutcome& outcome);
