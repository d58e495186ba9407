#pragma once

#include "port/port_system.h"
#include "port/serial_device.h"

#include <QString>

#include <vector>

// Something that stands between the user and a working cable.
enum class PortProblem {
    Missing,          // the device file is gone
    NoPermission,     // the user is not in the group that owns the device
    NewLoginNeeded,   // the user was added to the group after logging in
    OwnerOnly,        // only the device's owner may use it
    Busy,             // another program holds it
    SnapConfined,     // a snap without the serial-port permission
    CannotOpen,       // refused or failed for another reason
    ModemManager,     // ModemManager may probe it when it is plugged in
    BrailleService,   // the braille-display service takes adapters of this chip
    NoDeviceFile,     // a cable's adapter is plugged in but no driver made a tty
    NotACable,        // a Bluetooth port
    NotATerminal,     // a file, a FIFO or a device that is no terminal: not a serial port at all
};

struct PortFinding {
    PortProblem problem;
    QString text;     // what is wrong and what to do, one paragraph
    QString command;  // the command that puts it right, if there is one
};

enum class PortKind { UsbAdapter, UsbWithoutDeviceFile, BuiltIn, Bluetooth };

// One serial device, or a cable's adapter that should be one, and what
// keeps it from working.
struct PortReport {
    SerialDevice device;  // path empty for an adapter without a device file
    PortKind kind = PortKind::BuiltIn;
    QString chip;         // "WCH CH340" for the chips cables are built on
    QString usbPort;      // "1-2.4", for an adapter without a device file
    bool canOpen = false;
    std::vector<PortFinding> findings;

    bool Has(PortProblem problem) const;
};

// Every serial device the system reports, USB adapters first, then the
// cables' adapters that have no device file, the computer's own ports, and
// Bluetooth ports last.
[[nodiscard]] std::vector<PortReport> DiagnosePorts(const PortSystem& system);

// One device: listed by the system, or any path such as a pseudo-terminal;
// a bare name is looked for as a transfer's port is (DevicePath).
[[nodiscard]] PortReport DiagnosePath(const PortSystem& system, const QString& path);

// The cables' adapters plugged in without a device file.
[[nodiscard]] std::vector<PortReport> AdaptersWithoutDeviceFile(const PortSystem& system);
