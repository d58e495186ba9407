#include "port_watcher.h"

#include <QDir>

#include <algorithm>
#include <utility>

namespace {

bool containsPath(const std::vector<SerialDevice>& devices, const QString& path)
{
    return std::any_of(devices.begin(), devices.end(),
                       [&path](const SerialDevice& device) { return device.path == path; });
}

} // namespace

PortWatcher::PortWatcher(const PortSystem& system, QObject* parent)
    : QObject(parent), m_system(system), m_devices(system.ReportedDevices())
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &PortWatcher::Rescan);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        watchFolders();
        m_settle.start();
    });
    watchFolders();
}

// /dev/serial appears with the first adapter and goes with the last. Every
// USB device gets a file under /dev/bus/usb, also one that no serial driver
// takes: that is how an adapter without a device file is seen to come.
void PortWatcher::watchFolders()
{
    const QString dev = m_system.Roots().dev;
    QStringList folders = {dev, dev + QStringLiteral("/serial/by-id")};
    const QDir usb(dev + QStringLiteral("/bus/usb"));
    for (const QString& bus : usb.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        folders << usb.filePath(bus);
    for (const QString& folder : folders) {
        if (QDir(folder).exists() && !m_watcher.directories().contains(folder))
            static_cast<void>(m_watcher.addPath(folder));
    }
}

void PortWatcher::Rescan()
{
    std::vector<SerialDevice> before = std::exchange(m_devices, m_system.ReportedDevices());
    for (const SerialDevice& device : before) {
        if (!containsPath(m_devices, device.path))
            emit Gone(device);
    }
    for (const SerialDevice& device : m_devices) {
        if (!containsPath(before, device.path))
            emit Appeared(device);
    }
    emit Rescanned();
}
