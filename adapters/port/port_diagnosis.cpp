#include "port_diagnosis.h"

#include "port/cable_chips.h"
#include "port/device_access.h"
#include "port/process_table.h"
#include "port/udev_rules.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PortDiagnosis", text);
}

bool isBluetooth(const SerialDevice& device)
{
    return device.name.contains(QLatin1String("Bluetooth"), Qt::CaseInsensitive) ||
           device.name.startsWith(QLatin1String("rfcomm"));
}

PortKind kindOf(const SerialDevice& device)
{
    if (isBluetooth(device))
        return PortKind::Bluetooth;
    return device.usb ? PortKind::UsbAdapter : PortKind::BuiltIn;
}

// Whether /etc/group lists the user in the group, as it will count from the
// next login on.
bool listedInGroup(const QString& groupFile, const QString& group, const QString& user)
{
    QFile file(groupFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    while (!file.atEnd()) {
        const QStringList fields = QString::fromUtf8(file.readLine()).trimmed().split(u':');
        if (fields.size() == 4 && fields[0] == group)
            return fields[3].split(u',').contains(user);
    }
    return false;
}

QString snapCommand(const PortSystem& system)
{
    QString snap = system.Environment("SNAP_NAME");
    if (snap.isEmpty())
        snap = QStringLiteral("hmprog");
    return QStringLiteral("snap connect %1:serial-port").arg(snap);
}

PortFinding snapFinding(const PortSystem& system)
{
    return {PortProblem::SnapConfined,
            tr("This program runs as a snap, which may open serial devices only once it has been given the "
               "serial-port permission:"),
            snapCommand(system)};
}

bool runsAsSnap(const PortSystem& system)
{
    return !system.Environment("SNAP").isEmpty();
}

PortFinding groupFinding(const PortSystem& system, const DeviceNode& node)
{
    if (!node.groupMayUse || node.group == QLatin1String("root"))
        return {PortProblem::OwnerOnly,
                tr("Only the owner of the device may use it; its group \"%1\" may not. A udev rule that gives the "
                   "person at the seat access (TAG+=\"uaccess\") or the group \"dialout\" puts that right.")
                    .arg(node.group),
                {}};
    if (listedInGroup(system.Roots().groupFile, node.group, system.UserName()))
        return {PortProblem::NewLoginNeeded,
                tr("You were added to the group \"%1\" that owns the device after this login began: log out and "
                   "in again (a new login is needed) and the device can be used.")
                    .arg(node.group),
                {}};
#if defined(Q_OS_LINUX)
    return {PortProblem::NoPermission,
            tr("Only members of the group \"%1\" may use the device, and you are not one. Add yourself with the "
               "command below, then log out and in again: the group counts from the next login.")
                .arg(node.group),
            QStringLiteral("sudo usermod -aG %1 $USER").arg(node.group)};
#else
    return {PortProblem::NoPermission,
            tr("Only members of the group \"%1\" may use the device, and you are not one.").arg(node.group), {}};
#endif
}

QString holderList(const std::vector<FileHolder>& holders)
{
    QStringList names;
    for (const FileHolder& holder : holders)
        names << tr("%1 (process %2)").arg(holder.command).arg(holder.pid);
    return names.join(QStringLiteral(", "));
}

PortFinding busyFinding(const PortSystem& system, const QString& path)
{
    const std::vector<FileHolder> holders = HoldersOf(system.Roots().proc, path, system.OwnProcess());
    if (holders.empty())
        return {PortProblem::Busy,
                tr("Another program holds the device for itself; the system does not say which. Close the "
                   "terminal programs and other radio programs and try again."),
                {}};
    return {PortProblem::Busy,
            tr("Another program holds the device for itself: %1. Close it and try again.").arg(holderList(holders)),
            {}};
}

// what: "This is a file, not a serial port."
PortFinding notATerminal(const QString& what)
{
    return {PortProblem::NotATerminal,
            what + u' ' +
                tr("No radio can be reached through it: a programming cable shows as a terminal device such as "
                   "/dev/ttyUSB0."),
            {}};
}

// What the trial opening showed, when it kept the device from working.
std::optional<PortFinding> trialFinding(const PortSystem& system, const QString& path, OpenTrial trial)
{
    switch (trial) {
    case OpenTrial::Opened:
        return std::nullopt;
    case OpenTrial::Busy:
        return busyFinding(system, path);
    case OpenTrial::Refused:
        if (runsAsSnap(system))
            return snapFinding(system);
        return PortFinding{PortProblem::CannotOpen,
                           tr("The system refuses to open the device although its rights allow it: a security "
                              "policy (AppArmor, SELinux, a sandbox) stands in the way."),
                           {}};
    case OpenTrial::Missing:
        return PortFinding{PortProblem::CannotOpen,
                           tr("No hardware answers behind the device file: a port the computer names but does not "
                              "have, or an adapter that has just been unplugged."),
                           {}};
    case OpenTrial::NotATerminal:
        return notATerminal(tr("This device is not a terminal, so it is not a serial port."));
    case OpenTrial::Failed:
        break;
    }
    return PortFinding{PortProblem::CannotOpen, tr("The device could not be opened."), {}};
}

// Opening is tried only where the file's rights let the user in: that is
// when a lock or an exclusive hold of another program shows. What is no
// device at all is not opened.
void checkOpening(const PortSystem& system, PortReport& report)
{
    const QString& path = report.device.path;
    const DeviceNode node = system.Node(path);
    if (!node.exists) {
        report.findings.push_back({PortProblem::Missing,
                                   tr("There is no such device file: the adapter is not plugged in, or no driver "
                                      "has made a device of it."),
                                   {}});
        return;
    }
    if (node.kind != FileKind::CharacterDevice) {
        report.findings.push_back(notATerminal(tr("This is %1, not a serial port.").arg(FileKindText(node.kind))));
        return;
    }
    if (!node.mayUse) {
        report.findings.push_back(groupFinding(system, node));
        if (runsAsSnap(system))
            report.findings.push_back(snapFinding(system));
        return;
    }
    std::optional<PortFinding> finding = trialFinding(system, path, system.TryOpen(path));
    report.canOpen = !finding;
    if (finding)
        report.findings.push_back(std::move(*finding));
}

QString cableRuleCommand(UsbIds ids)
{
    return QStringLiteral("echo '%1' | sudo tee %2 && sudo udevadm control --reload && sudo udevadm trigger")
        .arg(CableRuleLine(ids), CableRuleFile());
}

void checkModemManager(const PortSystem& system, PortReport& report)
{
    if (report.kind != PortKind::UsbAdapter || !ProcessRunning(system.Roots().proc, QStringLiteral("ModemManager")) ||
        ModemManagerIgnores(system.Roots(), report.device.name))
        return;
    const UsbIds ids{report.device.vendorId, report.device.productId};
    report.findings.push_back(
        {PortProblem::ModemManager,
         tr("ModemManager runs and probes USB serial adapters for a modem when they are plugged in: it sends "
            "commands to the radio and holds the port for some seconds. A udev rule that sets the property "
            "ID_MM_DEVICE_IGNORE on the cable, in the rule file %1, keeps it away:")
             .arg(CableRuleFile()),
         cableRuleCommand(ids)});
}

PortReport diagnose(const PortSystem& system, const SerialDevice& device)
{
    PortReport report;
    report.device = device;
    report.kind = kindOf(device);
    if (const CableChip* chip = KnownCableChip(device.vendorId, device.productId))
        report.chip = QString::fromLatin1(chip->chip);
    if (report.kind == PortKind::Bluetooth)
        report.findings.push_back({PortProblem::NotACable,
                                   tr("A Bluetooth serial port of the computer, not a programming cable."), {}});
    checkOpening(system, report);
    checkModemManager(system, report);
    return report;
}

PortFinding driverFinding(const UsbDeviceEntry& adapter, const CableChip& chip)
{
    const QString expected = QString::fromLatin1(chip.driver);
    if (adapter.drivers.contains(QLatin1String("usbfs")))
        return {PortProblem::NoDeviceFile,
                tr("A program has claimed the adapter for itself through usbfs, so its serial driver %1 cannot "
                   "make a device file of it.")
                    .arg(expected),
                {}};
    for (const QString& driver : adapter.drivers) {
        if (driver == expected)
            return {PortProblem::NoDeviceFile,
                    tr("The driver %1 has taken the adapter but made no device file; the kernel's messages tell "
                       "why:")
                        .arg(expected),
                    QStringLiteral("sudo dmesg | grep -i %1").arg(expected)};
        if (!driver.isEmpty())
            return {PortProblem::NoDeviceFile,
                    tr("The driver %1 has taken the adapter instead of its serial driver %2.").arg(driver, expected),
                    {}};
    }
    return {PortProblem::NoDeviceFile,
            tr("No driver has taken the adapter: the kernel module %1 is missing, or it refused the chip (newer "
               "drivers refuse counterfeit %2 chips; the kernel's messages say so). Load the module with:")
                .arg(expected, QString::fromLatin1(chip.chip)),
            QStringLiteral("sudo modprobe %1").arg(expected)};
}

std::optional<PortFinding> brailleFinding(const PortSystem& system, UsbIds ids)
{
    const std::optional<BrailleRule> rule = BrailleRuleFor(system.Roots(), ids);
    if (!rule)
        return std::nullopt;
    if (rule->package.isEmpty())
        return PortFinding{PortProblem::BrailleService,
                           tr("The braille-display service's udev rules (%1) take adapters with this chip away from "
                              "their serial driver. Unless a braille display is used on this computer, remove the "
                              "package that installed them.")
                               .arg(rule->file),
                           {}};
    return PortFinding{PortProblem::BrailleService,
                       tr("The package %1, a braille-display service, installs udev rules (%2) that take adapters "
                          "with this chip away from their serial driver. Unless a braille display is used on this "
                          "computer, remove it:")
                           .arg(rule->package, rule->file),
                       QStringLiteral("sudo apt remove %1").arg(rule->package)};
}

PortReport reportWithoutDeviceFile(const PortSystem& system, const UsbDeviceEntry& adapter, const CableChip& chip)
{
    PortReport report;
    report.kind = PortKind::UsbWithoutDeviceFile;
    report.device.usb = true;
    report.device.vendorId = adapter.ids.vendor;
    report.device.productId = adapter.ids.product;
    report.device.description = adapter.product;
    report.device.manufacturer = adapter.manufacturer;
    report.device.serialNumber = adapter.serialNumber;
    report.chip = QString::fromLatin1(chip.chip);
    report.usbPort = adapter.busPath;
    if (std::optional<PortFinding> braille = brailleFinding(system, adapter.ids))
        report.findings.push_back(std::move(*braille));
    report.findings.push_back(driverFinding(adapter, chip));
    return report;
}

// USB adapters, then the cables' adapters without a device file, then the
// computer's own ports, then Bluetooth.
int groupRank(PortKind kind)
{
    switch (kind) {
    case PortKind::UsbAdapter:
        return 0;
    case PortKind::UsbWithoutDeviceFile:
        return 1;
    case PortKind::BuiltIn:
        return 2;
    case PortKind::Bluetooth:
        break;
    }
    return 3;
}

} // namespace

bool PortReport::Has(PortProblem problem) const
{
    return std::any_of(findings.begin(), findings.end(),
                       [problem](const PortFinding& finding) { return finding.problem == problem; });
}

std::vector<PortReport> AdaptersWithoutDeviceFile(const PortSystem& system)
{
    std::vector<PortReport> reports;
    for (const UsbDeviceEntry& adapter : UsbDevices(system.Roots().sys)) {
        const CableChip* chip = KnownCableChip(adapter.ids.vendor, adapter.ids.product);
        if (chip && !adapter.hasTty)
            reports.push_back(reportWithoutDeviceFile(system, adapter, *chip));
    }
    return reports;
}

std::vector<PortReport> DiagnosePorts(const PortSystem& system)
{
    std::vector<SerialDevice> devices = system.ReportedDevices();
    SortForPortMenu(devices);
    std::vector<PortReport> reports;
    for (const SerialDevice& device : devices)
        reports.push_back(diagnose(system, device));
    for (PortReport& adapter : AdaptersWithoutDeviceFile(system))
        reports.push_back(std::move(adapter));
    std::stable_sort(reports.begin(), reports.end(), [](const PortReport& a, const PortReport& b) {
        return groupRank(a.kind) < groupRank(b.kind);
    });
    return reports;
}

PortReport DiagnosePath(const PortSystem& system, const QString& name)
{
    const QString path = DevicePath(name, system.Roots().dev);
    for (const SerialDevice& device : system.ReportedDevices()) {
        if (device.path == path)
            return diagnose(system, device);
    }
    return diagnose(system, {QFileInfo(path).fileName(), path, {}, {}, false});
}
