#pragma once

#include <QString>
#include "port/port_system.h"

#include <QStringList>

// The device of every USB serial adapter that hmprog-cli ports lists as a
// possible cable (Bluetooth ports, the computer's own ports and adapters
// without a device file are not), in the order it lists them.
[[nodiscard]] QStringList AllCablePorts(const PortSystem& system = PortSystem());

// The serial number of the USB adapter behind each port (a device path, a
// bare name or a link such as /dev/serial/by-id/...), empty where the system
// knows none. The system's devices are listed once for all of them.
[[nodiscard]] QStringList CableSerialNumbers(const QStringList& ports);
