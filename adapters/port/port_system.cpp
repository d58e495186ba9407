#include "port_system.h"

#include "port/sysfs_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPort>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace {

// Device files that stand for an adapter, which the serial port library may
// miss: one whose udev record is not complete yet, the makers' own drivers'
// names, Bluetooth serial links, and macOS's call-out devices.
bool isAdapterFile(const QString& name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^((ttyUSB|ttyACM|ttyCH341USB|ttyXRUSB|rfcomm)[0-9]+|cu\\..+)$"));
    return pattern.match(name).hasMatch();
}

bool listed(const std::vector<SerialDevice>& devices, const QString& path)
{
    for (const SerialDevice& device : devices) {
        if (device.path == path)
            return true;
    }
    return false;
}

// Each tty that sysfs names with a device behind it, as the library on the
// machine lists them.
std::vector<SerialDevice> treeDevices(const SystemRoots& roots)
{
    std::vector<SerialDevice> devices;
    const QDir ttys(roots.sys + QStringLiteral("/class/tty"));
    for (const QString& name : ttys.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (QFileInfo::exists(ttys.filePath(name) + QStringLiteral("/device")))
            devices.push_back({name, roots.dev + u'/' + name, {}, {}, false});
    }
    return devices;
}

} // namespace

SystemRoots RunningSystemRoots()
{
    const QString root = qEnvironmentVariable("HMPROG_SYSTEM_ROOT");
    if (root.isEmpty())
        return {};
    SystemRoots roots;
    roots.dev = root + QStringLiteral("/dev");
    roots.sys = root + QStringLiteral("/sys");
    roots.proc = root + QStringLiteral("/proc");
    roots.groupFile = root + QStringLiteral("/etc/group");
    roots.udevRules = {root + QStringLiteral("/etc/udev/rules.d"), root + QStringLiteral("/usr/lib/udev/rules.d")};
    roots.udevData = root + QStringLiteral("/run/udev/data");
    roots.packageLists = root + QStringLiteral("/var/lib/dpkg/info");
    roots.standIn = true;
    return roots;
}

std::vector<SerialDevice> PortSystem::ReportedDevices() const
{
    std::vector<SerialDevice> devices = LibraryDevices();
    const QDir dev(m_roots.dev);
    for (const QString& name : dev.entryList(QDir::System | QDir::Files, QDir::Name)) {
        const QString path = dev.filePath(name);
        if (isAdapterFile(name) && !listed(devices, path))
            devices.push_back({name, path, {}, {}, false});
    }
    for (SerialDevice& device : devices)
        addFromSysfs(device);
    return devices;
}

// A device the library found through udev has its ids already; one it
// missed gets them from the USB device above its tty in sysfs.
void PortSystem::addFromSysfs(SerialDevice& device) const
{
    if (device.vendorId != 0)
        return;
    const QString ttyLink = m_roots.sys + QStringLiteral("/class/tty/") + device.name + QStringLiteral("/device");
    const QString usbDevice = UsbDeviceAbove(m_roots.sys, ttyLink);
    if (usbDevice.isEmpty())
        return;
    const UsbIds ids = ReadUsbIds(usbDevice);
    device.usb = true;
    device.vendorId = ids.vendor;
    device.productId = ids.product;
    if (device.description.isEmpty())
        device.description = ReadSysfsText(usbDevice + QStringLiteral("/product"));
    if (device.manufacturer.isEmpty())
        device.manufacturer = ReadSysfsText(usbDevice + QStringLiteral("/manufacturer"));
    if (device.serialNumber.isEmpty())
        device.serialNumber = ReadSysfsText(usbDevice + QStringLiteral("/serial"));
}

std::vector<SerialDevice> PortSystem::LibraryDevices() const
{
    if (m_roots.standIn)
        return treeDevices(m_roots);
    return SystemSerialDevices();
}

DeviceNode PortSystem::Node(const QString& path) const
{
    DeviceNode node;
#if defined(Q_OS_UNIX)
    const QByteArray file = QFile::encodeName(path);
    struct stat info {};
    if (::stat(file.constData(), &info) != 0)
        return node;
    node.exists = true;
    node.kind = KindOfFile(path);
    node.mayUse = ::access(file.constData(), R_OK | W_OK) == 0;
    node.groupMayUse = (info.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    const struct group* owner = ::getgrgid(info.st_gid);
    node.group = owner ? QString::fromLocal8Bit(owner->gr_name) : QString::number(info.st_gid);
#else
    // COM ports are no files; whether one may be used shows only at opening.
    Q_UNUSED(path);
    node.exists = true;
    node.mayUse = true;
#endif
    return node;
}

OpenTrial PortSystem::TryOpen(const QString& path) const
{
#if defined(Q_OS_UNIX)
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        switch (errno) {
        case EBUSY:
            return OpenTrial::Busy;
        case EACCES:
        case EPERM:
            return OpenTrial::Refused;
        case ENOENT:
        case ENXIO:
        case ENODEV:
            return OpenTrial::Missing;
        default:
            return OpenTrial::Failed;
        }
    }
    if (!::isatty(fd)) {
        ::close(fd);
        return OpenTrial::NotATerminal;
    }
    // The serial port library locks the device it opens; a lock held means
    // another program is using the port even where its rights let us in.
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked ? OpenTrial::Busy : OpenTrial::Opened;
#else
    QSerialPort port(path);
    if (port.open(QIODevice::ReadWrite))
        return OpenTrial::Opened;
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return OpenTrial::Missing;
    case QSerialPort::PermissionError:
        // Windows answers "access denied" for a port that another program holds.
        return OpenTrial::Busy;
    default:
        return OpenTrial::Failed;
    }
#endif
}

QString PortSystem::Environment(const char* name) const
{
    return qEnvironmentVariable(name);
}

QString PortSystem::UserName() const
{
#if defined(Q_OS_UNIX)
    if (const struct passwd* user = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(user->pw_name);
#endif
    return qEnvironmentVariable("USER");
}

qint64 PortSystem::OwnProcess() const
{
    return QCoreApplication::applicationPid();
}
