#pragma once

#include <QString>

// The USB serial chips that programming cables are built on, with the Linux
// driver that makes a tty of each.
struct CableChip {
    quint16 vendorId;
    quint16 productId;
    const char* chip;
    const char* driver;
};

// The chip the ids stand for, or nullptr for an adapter of another kind.
const CableChip* KnownCableChip(quint16 vendorId, quint16 productId);

// "067b:2303", as lsusb and udev rules write them.
QString VendorProductText(quint16 vendorId, quint16 productId);
