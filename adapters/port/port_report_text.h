#pragma once

#include "port/port_diagnosis.h"

#include <QString>

// "/dev/ttyUSB0: FT232R USB UART, FTDI, USB 0403:6001, serial A10K1234".
QString PortHeadline(const PortReport& report);

// "can be opened", "cannot be opened", "not a cable", "not a serial port".
QString PortVerdict(const PortReport& report);

// Each finding as a paragraph, its command on a line of its own below it,
// every line after indent.
QString PortFindingsText(const PortReport& report, const QString& indent = {});

// What goes under "Could not open the port" beside the system's reason:
// what keeps the device at path from working, and the cables' adapters that
// are plugged in without a device file. Empty when nothing is known.
QString OpenFailureDiagnosis(const PortSystem& system, const QString& path);
