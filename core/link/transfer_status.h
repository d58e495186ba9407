#pragma once

#include "image/ui_text.h"

#include <string>
#include <string_view>

// Where a transfer stands, for the line under the progress bar and the
// command line's progress line: the percentage alone sits at 0 % for the 20 s
// a silent radio takes, and says nothing about why.
struct TransferStatus {
    enum class Stage { WaitingForRadio, Identifying, Block, Done };
    Stage stage = Stage::WaitingForRadio;
    int block = 0;  // Block: the block now on the line, counted from 1
    int blocks = 0; // Block: how many blocks the transfer moves
};

// The status in the host's language: "Waiting for the radio on %1" with the
// port, "Block %1 of %2". port names the port the way the user chose it,
// with its device where that says more: "COM1 (/dev/ttyUSB0)".
[[nodiscard]] std::string TransferStatusText(const TransferStatus& status, std::string_view port,
                                             TranslateText translate = EnglishText);

// The port as the status line names it: the name, then the device in
// brackets when it is another text.
std::string StatusPortName(std::string_view name, std::string_view device);
