#include "cli/fleet_cables.h"

#include "port/device_access.h"
#include "port/port_diagnosis.h"
#include "port/port_system.h"

#include <QFileInfo>

QStringList AllCablePorts()
{
    QStringList ports;
    for (const PortReport& report : DiagnosePorts(PortSystem())) {
        if (report.kind == PortKind::UsbAdapter && !report.device.path.isEmpty())
            ports << report.device.path;
    }
    return ports;
}

QString CableSerialNumber(const QString& port)
{
    const QString device = QFileInfo(DevicePath(port)).canonicalFilePath();
    if (device.isEmpty())
        return {};
    for (const SerialDevice& known : PortSystem().ReportedDevices()) {
        if (QFileInfo(known.path).canonicalFilePath() == device)
            return known.serialNumber;
    }
    return {};
}
