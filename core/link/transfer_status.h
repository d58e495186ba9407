#pragma once

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

// The English pattern of the status, with %1 the port (waiting) or the
// block and %2 the block count: what a host translates before filling it.
const char* TransferStatusPattern(TransferStatus::Stage stage);

// port names the port the way the user chose it, with its device where that
// says more: "COM1 (/dev/ttyUSB0)". pattern: TransferStatusPattern or its
// translation.
std::string TransferStatusText(const TransferStatus& status, std::string_view port, std::string_view pattern);
std::string TransferStatusText(const TransferStatus& status, std::string_view port);

// The port as the status line names it: the name, then the device in
// brackets when it is another text.
std::string StatusPortName(std::string_view name, std::string_view device);
