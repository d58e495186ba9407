#pragma once

#include <string>
#include <vector>

// Where the time of one traced transfer went, from hmprog-cli's --trace file
// and the moments its process started and ended (seconds on the steady clock,
// which the trace's open line gives too).
struct TraceSplit {
    double start = 0;             // process start to the first wake-up byte sent
    double end = 0;               // the last byte received to the process's exit
    std::vector<double> turnarounds; // each reply received to the next request sent, among the blocks
};

// false when the trace lacks its open line or any byte.
[[nodiscard]] bool SplitTrace(const std::string& traceText, double processStart, double processEnd,
                              TraceSplit& split);
