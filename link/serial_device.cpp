#include "serial_device.h"

#include <QCollator>
#include <QSerialPortInfo>

#include <algorithm>

void SortForPortMenu(std::vector<SerialDevice>& devices)
{
    // ttyUSB2 before ttyUSB10.
    QCollator collator;
    collator.setNumericMode(true);
    std::stable_sort(devices.begin(), devices.end(), [&collator](const SerialDevice& a, const SerialDevice& b) {
        if (a.usb != b.usb)
            return a.usb;
        return collator.compare(a.name, b.name) < 0;
    });
}

std::vector<SerialDevice> SystemSerialDevices()
{
    std::vector<SerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices.push_back({info.portName(), info.systemLocation(), info.description(), info.manufacturer(),
                           info.hasVendorIdentifier()});
    SortForPortMenu(devices);
    return devices;
}
