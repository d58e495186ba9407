#pragma once

#include "link/open_status.h"

#include <QString>

// What goes under "Could not open the port": the port (its name and, when it
// differs, the device it stands for), the system's reason and what the user
// can do about it. A refused device names the group that may use it, which
// the user must be in.
QString OpenFailureDetail(const QString& portName, const QString& device, const OpenStatus& status);

// The group whose members may read and write the device file; empty where
// joining a group would not help.
QString DeviceAccessGroup(const QString& device);
