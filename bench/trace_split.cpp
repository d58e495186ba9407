#include "trace_split.h"

#include <cstdio>
#include <sstream>

namespace {

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

std::vector<double> BlockTurnarounds(const std::string& traceText)
{
    std::vector<double> turnarounds;
    std::istringstream in(traceText);
    std::string line;
    bool inBlocks = false;
    double unanswered = -1; // when the last reply not yet answered came
    while (std::getline(in, line)) {
        int offset = 0;
        double ms = 0;
        if (std::sscanf(line.c_str(), " %lf %n", &ms, &offset) != 1)
            continue;
        const std::string text = line.substr(static_cast<std::size_t>(offset));
        const bool sent = startsWith(text, "TX ");
        inBlocks = inBlocks || isRequest(text);
        // Within the blocks the first bytes sent after a reply answer it.
        if (sent && inBlocks && unanswered >= 0)
            turnarounds.push_back((ms - unanswered) / 1000);
        if (sent)
            unanswered = -1;
        if (startsWith(text, "RX "))
            unanswered = ms;
    }
    return turnarounds;
}
