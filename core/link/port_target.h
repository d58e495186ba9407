#pragma once

#include <string>

// What a trace calls the built-in simulated radio's port, and what the
// command line's --port takes for it.
inline constexpr const char* kSimulatedPortName = "sim";

// What a transfer opens.
struct PortTarget {
    bool simulated = false;  // the built-in simulated radio
    std::string device;      // the device to open; empty: the port stands for no device
    std::string name;        // the port's name as the user chose it: "COM3"
};
