#include "serial_device.h"

#include <QSerialPortInfo>

#include <algorithm>

namespace {

// Names compared with their numbers as numbers: ttyUSB2 before ttyUSB10.
bool comesBefore(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && a[endA].isDigit())
                ++endA;
            while (endB < b.size() && b[endB].isDigit())
                ++endB;
            const qulonglong numberA = a.mid(i, endA - i).toULongLong();
            const qulonglong numberB = b.mid(j, endB - j).toULongLong();
            if (numberA != numberB)
                return numberA < numberB;
            i = endA;
            j = endB;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

} // namespace

void SortForPortMenu(std::vector<SerialDevice>& devices)
{
    std::stable_sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
        if (a.usb != b.usb)
            return a.usb;
        return comesBefore(a.name, b.name);
    });
}

std::vector<SerialDevice> SystemSerialDevices()
{
    std::vector<SerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices.push_back({info.portName(), info.systemLocation(), info.description(), info.manufacturer(),
                           info.hasVendorIdentifier(), info.vendorIdentifier(), info.productIdentifier(),
                           info.serialNumber()});
    return devices;
}
