#pragma once

#include <QString>

#include <vector>

// A serial device the system reports, as the Port menu shows it.
struct SerialDevice {
    QString name;          // ttyUSB0, COM3
    QString path;          // what is opened: /dev/ttyUSB0, COM3
    QString description;   // the adapter's own name, if the system knows it
    QString manufacturer;
    bool usb = false;      // a USB adapter (it has a USB vendor id)
    quint16 vendorId = 0;  // the adapter's USB ids, 0 where the system gives none
    quint16 productId = 0;
    QString serialNumber = {};
    friend bool operator==(const SerialDevice&, const SerialDevice&) = default;
};

// USB adapters first, then the rest, each group by name. The programming
// cable is nearly always a USB adapter; a computer's built-in ports are
// listed whether anything is plugged in or not.
void SortForPortMenu(std::vector<SerialDevice>& devices);

// The serial devices present now, in the system's order.
std::vector<SerialDevice> SystemSerialDevices();
