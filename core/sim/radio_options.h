#pragma once

#include "link/identification.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// What can go wrong with the simulated radio, one fault at a time.
enum class RadioFault {
    None,
    Silent,          // never answers anything
    AckWakeUp,       // answers the wake-up with ACK (the program asks for the software version)
    NoiseThenSyn,    // a stray byte before the SYN that answers the wake-up
    ShortIdentification, // 7 identification bytes instead of 8
    NakIdentification,   // answers the ACK after the identification with NAK
    ShortBlock,      // a read reply of 11 bytes at the fault block
    NoBlockAck,      // no answer to the ACK after the fault block is read
    SynBlockAck,     // SYN instead of ACK after the fault block is read
    NakWrite,        // NAK to the write of the fault block, which is not stored
    SilentWrite,     // no answer to the write of the fault block, which is not stored
    SynWrite,        // acknowledges every written block with SYN (the program accepts it)
    StoreWrong,      // acknowledges the write of the fault block but stores its first byte inverted
    FlakyRead,       // every second read of the fault block hands its first byte back with the lowest bit flipped
};

struct RadioOptions {
    RadioRange range{136, 174};
    RadioFault fault = RadioFault::None;
    std::size_t faultBlock = 40;
};

// The ranges a radio can report: 136-174, 136-480 and 400-520 MHz.
std::optional<RadioRange> ParseRadioRange(std::string_view text);

// Fault names as the command line takes them: "silent", "ack-wakeup", ...
std::optional<RadioFault> ParseRadioFault(std::string_view name);
std::vector<std::string_view> RadioFaultNames();
