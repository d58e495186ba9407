#pragma once

#include <QString>

#include <string>

// The device file a port name stands for: a bare name such as ttyUSB0 is
// looked up under /dev, as the serial port library does.
QString DevicePath(const QString& name);

// The group whose members may read and write the device file; empty where
// joining a group would not help.
std::string DeviceAccessGroup(const QString& device);
