#pragma once

#include <string>
#include <vector>

// The program's turnarounds among the blocks in hmprog-cli's --trace file:
// for each reply received, the seconds until the program sent its next
// bytes. Empty when the trace holds no block.
[[nodiscard]] std::vector<double> BlockTurnarounds(const std::string& traceText);
