#include "cable_chips.h"

#include <array>

namespace {

constexpr std::array<CableChip, 6> kCableChips = {{
    {0x067b, 0x2303, "Prolific PL2303", "pl2303"},
    {0x1a86, 0x7523, "WCH CH340", "ch341"},
    {0x1a86, 0x5523, "WCH CH341", "ch341"},
    {0x0403, 0x6001, "FTDI FT232R", "ftdi_sio"},
    {0x0403, 0x6015, "FTDI FT231X", "ftdi_sio"},
    {0x10c4, 0xea60, "Silicon Labs CP210x", "cp210x"},
}};

} // namespace

const CableChip* KnownCableChip(quint16 vendorId, quint16 productId)
{
    for (const CableChip& chip : kCableChips) {
        if (chip.vendorId == vendorId && chip.productId == productId)
            return &chip;
    }
    return nullptr;
}

QString VendorProductText(quint16 vendorId, quint16 productId)
{
    return QStringLiteral("%1:%2").arg(vendorId, 4, 16, QLatin1Char('0')).arg(productId, 4, 16, QLatin1Char('0'));
}
