#pragma once

#include "port/port_system.h"
#include "port/serial_device.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <vector>

// Tells when a serial device appears or goes. The dev folder is watched
// through the system's file notifications; once it has changed, the list is
// read again after a short settling time, which lets udev finish naming and
// granting the new device and gathers the burst of files one adapter makes.
class PortWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kSettleMilliseconds = 250;

    // system must outlive the watcher.
    explicit PortWatcher(const PortSystem& system, QObject* parent = nullptr);

    // The devices present at the last reading, in the system's order.
    const std::vector<SerialDevice>& Devices() const { return m_devices; }

    // Reads the list now, as after a change.
    void Rescan();

signals:
    void Appeared(const SerialDevice& device);
    void Gone(const SerialDevice& device);
    // After every reading: an adapter without a device file may have come or
    // gone without any device doing so.
    void Rescanned();

private:
    void watchFolders();

    const PortSystem& m_system;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    std::vector<SerialDevice> m_devices;
};
