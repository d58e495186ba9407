#pragma once

#include "link/transfer_types.h"

#include <string>

// The progress range of a transfer: 128 blocks read, 126 positions written
// (122 blocks and the four-step gap of the blocks a write leaves alone).
int ProgressRange(TransferDirection direction);

// "%d%%" of position x 100 / range, the fraction dropped: 37%.
std::string ProgressPercentText(int position, int range);
