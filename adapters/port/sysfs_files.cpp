#include "sysfs_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

quint16 hexId(const QString& text)
{
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    return ok && value <= 0xFFFF ? static_cast<quint16>(value) : 0;
}

// Interfaces are the folders "1-2:1.0" beside the device's own files.
QStringList interfaceDrivers(const QString& folder)
{
    QStringList drivers;
    const QDir device(folder);
    for (const QString& name : device.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!name.contains(u':'))
            continue;
        const QFileInfo driver(device.filePath(name) + QStringLiteral("/driver"));
        drivers << (driver.isSymLink() ? QFileInfo(driver.symLinkTarget()).fileName() : QString());
    }
    return drivers;
}

// ttyUSB0 under the interface for most adapters, tty/ttyACM0 for modems.
// Links are not followed: they lead back up the tree.
bool hasTty(const QString& folder)
{
    static const QRegularExpression ttyName(QStringLiteral("^tty[A-Za-z]*[0-9]+$"));
    QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        if (ttyName.match(QFileInfo(it.next()).fileName()).hasMatch())
            return true;
    }
    return false;
}

} // namespace

QString ReadSysfsText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

UsbIds ReadUsbIds(const QString& folder)
{
    return {hexId(ReadSysfsText(folder + QStringLiteral("/idVendor"))),
            hexId(ReadSysfsText(folder + QStringLiteral("/idProduct")))};
}

QString UsbDeviceAbove(const QString& sysRoot, const QString& path)
{
    const QString root = QFileInfo(sysRoot).canonicalFilePath();
    QString folder = QFileInfo(path).canonicalFilePath();
    while (!folder.isEmpty() && folder.startsWith(root) && folder.size() > root.size()) {
        if (QFileInfo::exists(folder + QStringLiteral("/idVendor")))
            return folder;
        folder = QFileInfo(folder).path();
    }
    return {};
}

std::vector<UsbDeviceEntry> UsbDevices(const QString& sysRoot)
{
    std::vector<UsbDeviceEntry> devices;
    const QDir bus(sysRoot + QStringLiteral("/bus/usb/devices"));
    for (const QString& name : bus.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString folder = QFileInfo(bus.filePath(name)).canonicalFilePath();
        if (folder.isEmpty() || !QFileInfo::exists(folder + QStringLiteral("/idVendor")))
            continue;
        UsbDeviceEntry device;
        device.folder = folder;
        device.busPath = name;
        device.ids = ReadUsbIds(folder);
        device.product = ReadSysfsText(folder + QStringLiteral("/product"));
        device.manufacturer = ReadSysfsText(folder + QStringLiteral("/manufacturer"));
        device.serialNumber = ReadSysfsText(folder + QStringLiteral("/serial"));
        device.drivers = interfaceDrivers(folder);
        device.hasTty = hasTty(folder);
        devices.push_back(std::move(device));
    }
    return devices;
}
