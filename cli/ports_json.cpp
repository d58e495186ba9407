#include "ports_json.h"

#include <QJsonArray>

namespace {

const char* kindName(PortKind kind)
{
    switch (kind) {
    case PortKind::UsbAdapter:
        return "usb";
    case PortKind::UsbWithoutDeviceFile:
        return "usb-without-device-file";
    case PortKind::BuiltIn:
        return "built-in";
    case PortKind::Bluetooth:
        break;
    }
    return "bluetooth";
}

QJsonValue textOrNull(const QString& text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

QJsonValue idOrNull(const PortReport& report, quint16 id)
{
    if (!report.device.usb)
        return QJsonValue::Null;
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

QJsonArray problems(const PortReport& report)
{
    QJsonArray list;
    for (const PortFinding& finding : report.findings)
        list.append(QJsonObject{{QStringLiteral("kind"), QLatin1String(PortProblemName(finding.problem))},
                                {QStringLiteral("text"), finding.text},
                                {QStringLiteral("command"), textOrNull(finding.command)}});
    return list;
}

} // namespace

const char* PortProblemName(PortProblem problem)
{
    switch (problem) {
    case PortProblem::Missing:
        return "missing";
    case PortProblem::NoPermission:
        return "no-permission";
    case PortProblem::NewLoginNeeded:
        return "new-login-needed";
    case PortProblem::OwnerOnly:
        return "owner-only";
    case PortProblem::Busy:
        return "busy";
    case PortProblem::SnapConfined:
        return "snap-confined";
    case PortProblem::CannotOpen:
        return "cannot-open";
    case PortProblem::ModemManager:
        return "modem-manager";
    case PortProblem::BrailleService:
        return "braille-service";
    case PortProblem::NoDeviceFile:
        return "no-device-file";
    case PortProblem::NotATerminal:
        return "not-a-terminal";
    case PortProblem::NotACable:
        break;
    }
    return "not-a-cable";
}

QJsonObject PortReportJson(const PortReport& report)
{
    const SerialDevice& device = report.device;
    return {
        {QStringLiteral("path"), textOrNull(device.path)},
        {QStringLiteral("kind"), QLatin1String(kindName(report.kind))},
        {QStringLiteral("description"), textOrNull(device.description)},
        {QStringLiteral("manufacturer"), textOrNull(device.manufacturer)},
        {QStringLiteral("vendor_id"), idOrNull(report, device.vendorId)},
        {QStringLiteral("product_id"), idOrNull(report, device.productId)},
        {QStringLiteral("serial_number"), textOrNull(device.serialNumber)},
        {QStringLiteral("chip"), textOrNull(report.chip)},
        {QStringLiteral("usb_port"), textOrNull(report.usbPort)},
        {QStringLiteral("cable"), report.kind != PortKind::Bluetooth && !report.Has(PortProblem::NotATerminal)},
        {QStringLiteral("can_open"), report.canOpen},
        {QStringLiteral("problems"), problems(report)},
    };
}
