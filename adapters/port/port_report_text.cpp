#include "port_report_text.h"

#include "port/cable_chips.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PortDiagnosis", text);
}

QStringList aboutAdapter(const SerialDevice& device, const QString& chip)
{
    QStringList parts;
    if (!device.description.isEmpty())
        parts << device.description;
    if (!device.manufacturer.isEmpty())
        parts << device.manufacturer;
    if (device.vendorId != 0 || device.productId != 0)
        parts << tr("USB %1").arg(VendorProductText(device.vendorId, device.productId));
    if (!chip.isEmpty() && !device.description.contains(chip))
        parts << chip;
    if (!device.serialNumber.isEmpty())
        parts << tr("serial %1").arg(device.serialNumber);
    return parts;
}

} // namespace

QString PortHeadline(const PortReport& report)
{
    const QStringList about = aboutAdapter(report.device, report.chip);
    const QString where = report.kind == PortKind::UsbWithoutDeviceFile
                              ? tr("USB adapter on port %1, without a device file").arg(report.usbPort)
                              : report.device.path;
    if (about.isEmpty())
        return where;
    return tr("%1: %2").arg(where, about.join(QStringLiteral(", ")));
}

QString PortVerdict(const PortReport& report)
{
    if (report.kind == PortKind::Bluetooth)
        return tr("not a cable");
    if (report.kind == PortKind::UsbWithoutDeviceFile)
        return tr("cannot be used");
    if (report.Has(PortProblem::NotATerminal))
        return tr("not a serial port");
    return report.canOpen ? tr("can be opened") : tr("cannot be opened");
}

QString PortFindingsText(const PortReport& report, const QString& indent)
{
    QStringList lines;
    for (const PortFinding& finding : report.findings) {
        lines << indent + finding.text;
        if (!finding.command.isEmpty())
            lines << indent + QStringLiteral("    ") + finding.command;
    }
    return lines.join(u'\n');
}

QString OpenFailureDiagnosis(const PortSystem& system, const QString& path)
{
    QStringList paragraphs;
    // The system's reason says already that a device is missing.
    if (!path.isEmpty()) {
        const PortReport report = DiagnosePath(system, path);
        if (!report.Has(PortProblem::Missing) && !report.findings.empty())
            paragraphs << PortFindingsText(report);
    }
    for (const PortReport& adapter : AdaptersWithoutDeviceFile(system))
        paragraphs << PortHeadline(adapter) + u'\n' + PortFindingsText(adapter, QStringLiteral("  "));
    return paragraphs.join(QStringLiteral("\n\n"));
}
