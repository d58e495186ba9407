#pragma once

#include <QString>

#include <string>

// The device file a port name stands for, wherever a name is taken (a
// transfer's port, hmprog-cli ports, the desktop's Other port): the name as
// given when something stands there (./pty, /dev/ttyUSB0), as an absolute
// path; otherwise a bare name such as ttyUSB0 under devFolder, as the serial
// port library looks for it. On Windows the name itself (COM3).
QString DevicePath(const QString& name, const QString& devFolder = QStringLiteral("/dev"));

// The group whose members may read and write the device file; empty where
// joining a group would not help.
std::string DeviceAccessGroup(const QString& device);
