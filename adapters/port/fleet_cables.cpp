#include "port/fleet_cables.h"

#include "port/device_access.h"
#include "port/port_diagnosis.h"
#include "port/port_system.h"

#include <QFileInfo>

#include <algorithm>

QStringList AllCablePorts(const PortSystem& system)
{
    QStringList ports;
    for (const PortReport& report : DiagnosePorts(system)) {
        if (report.kind == PortKind::UsbAdapter && !report.device.path.isEmpty())
            ports << report.device.path;
    }
    return ports;
}

QStringList CableSerialNumbers(const QStringList& ports)
{
    const std::vector<SerialDevice> known = PortSystem().ReportedDevices();
    QStringList serials;
    for (const QString& port : ports) {
        const QString device = QFileInfo(DevicePath(port)).canonicalFilePath();
        const auto found = std::find_if(known.begin(), known.end(), [&device](const SerialDevice& candidate) {
            return !device.isEmpty() && QFileInfo(candidate.path).canonicalFilePath() == device;
        });
        serials << (found == known.end() ? QString() : found->serialNumber);
    }
    return serials;
}
