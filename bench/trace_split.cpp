#include "trace_split.h"

#include <cstdio>
#include <sstream>

namespace {

struct TraceLine {
    double seconds = 0; // since the port was opened
    std::string text;
};

std::vector<TraceLine> parse(const std::string& traceText)
{
    std::vector<TraceLine> lines;
    std::istringstream in(traceText);
    std::string line;
    while (std::getline(in, line)) {
        TraceLine parsed;
        int offset = 0;
        double ms = 0;
        if (std::sscanf(line.c_str(), " %lf %n", &ms, &offset) == 1) {
            parsed.seconds = ms / 1000;
            parsed.text = line.substr(static_cast<std::size_t>(offset));
            lines.push_back(parsed);
        }
    }
    return lines;
}

bool startsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// A block request: "TX 52 ..." for a read, "TX 57 ..." for a write.
bool isRequest(const std::string& text)
{
    return startsWith(text, "TX 52 ") || startsWith(text, "TX 57 ");
}

} // namespace

bool SplitTrace(const std::string& traceText, double processStart, double processEnd, TraceSplit& split)
{
    const std::vector<TraceLine> lines = parse(traceText);
    double opened = 0;
    if (lines.empty() || std::sscanf(lines.front().text.c_str(), "open %*s (steady clock %lf s)", &opened) != 1)
        return false;
    const TraceLine* firstSent = nullptr;
    const TraceLine* lastReceived = nullptr;
    const TraceLine* unanswered = nullptr;
    bool inBlocks = false;
    split.turnarounds.clear();
    for (const TraceLine& line : lines) {
        const bool sent = startsWith(line.text, "TX ");
        if (sent && !firstSent)
            firstSent = &line;
        inBlocks = inBlocks || isRequest(line.text);
        // Within the blocks the first bytes sent after a reply answer it.
        if (sent && inBlocks && unanswered)
            split.turnarounds.push_back(line.seconds - unanswered->seconds);
        if (sent)
            unanswered = nullptr;
        if (startsWith(line.text, "RX "))
            lastReceived = unanswered = &line;
    }
    if (!firstSent || !lastReceived)
        return false;
    split.start = opened + firstSent->seconds - processStart;
    split.end = processEnd - (opened + lastReceived->seconds);
    return true;
}
