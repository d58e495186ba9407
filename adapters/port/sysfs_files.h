#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The USB ids of one device in sysfs: hexadecimal in its idVendor and
// idProduct files.
struct UsbIds {
    quint16 vendor = 0;
    quint16 product = 0;
};

// One USB device as sysfs shows it under bus/usb/devices.
struct UsbDeviceEntry {
    QString folder;       // its own folder, links resolved
    QString busPath;      // "1-2.4", where it is plugged in
    UsbIds ids;
    QString product;
    QString manufacturer;
    QString serialNumber;
    QStringList drivers;  // the drivers bound to its interfaces, "" for an interface none took
    bool hasTty = false;  // a tty device was made for it
};

// A sysfs attribute's text without the final newline; empty if unreadable.
QString ReadSysfsText(const QString& path);
UsbIds ReadUsbIds(const QString& folder);

// The USB device that the sysfs path belongs to: the nearest folder above it
// (links resolved) with an idVendor file, or empty.
QString UsbDeviceAbove(const QString& sysRoot, const QString& path);

// Every USB device sysfs lists, with its interfaces' drivers and whether a
// tty was made for it.
std::vector<UsbDeviceEntry> UsbDevices(const QString& sysRoot);
