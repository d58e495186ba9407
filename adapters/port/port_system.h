#pragma once

#include "document/file_kind.h"
#include "port/serial_device.h"

#include <QString>
#include <QStringList>

#include <vector>

// Where the system keeps what the cable diagnosis reads. Each is a folder or
// file of the running system; a test points them at a tree of its own.
struct SystemRoots {
    QString dev = QStringLiteral("/dev");
    QString sys = QStringLiteral("/sys");
    QString proc = QStringLiteral("/proc");
    QString groupFile = QStringLiteral("/etc/group");
    // In the order udev reads them: a file of the same name in an earlier
    // folder hides the later one.
    QStringList udevRules = {QStringLiteral("/etc/udev/rules.d"), QStringLiteral("/run/udev/rules.d"),
                             QStringLiteral("/usr/lib/udev/rules.d"), QStringLiteral("/lib/udev/rules.d")};
    QString udevData = QStringLiteral("/run/udev/data");
    QString packageLists = QStringLiteral("/var/lib/dpkg/info");
    // A folder tree standing in for the machine: the serial port library
    // knows only the machine itself, so the devices are what its sysfs lists.
    bool standIn = false;
};

// The running system's roots; when HMPROG_SYSTEM_ROOT names a folder, that
// folder's dev, sys, proc, etc, run, usr and var stand in for the machine's,
// so that a test can plug in cables of its own.
[[nodiscard]] SystemRoots RunningSystemRoots();

// A device file as this user meets it.
struct DeviceNode {
    bool exists = false;
    bool mayUse = false;          // this user may read and write it
    QString group;                // the group that owns it
    bool groupMayUse = false;     // members of that group may read and write it
    // What the path is; a serial port is a character device.
    FileKind kind = FileKind::CharacterDevice;
};

// What opening the device for a moment shows.
enum class OpenTrial {
    Opened,
    Busy,     // held exclusively (TIOCEXCL) or locked (flock) by another program
    Refused,  // the system said no although the file's rights allow it
    Missing,  // no device answers behind the file
    NotATerminal,  // a device, but not a terminal (/dev/null): no serial line behind it
    Failed,
};

// The system as the cable diagnosis reads it. The virtual functions ask the
// operating system for what no file tree can fake (the user's rights, the
// serial port library's device list); the rest is read from files under the
// roots.
class PortSystem {
public:
    explicit PortSystem(SystemRoots roots = RunningSystemRoots()) : m_roots(std::move(roots)) {}
    virtual ~PortSystem() = default;

    const SystemRoots& Roots() const { return m_roots; }

    // The serial port library's list, then the device files of USB and
    // Bluetooth adapters in the dev folder that it left out, each with what
    // sysfs knows of its adapter.
    [[nodiscard]] std::vector<SerialDevice> ReportedDevices() const;

    // The serial port library's own list.
    [[nodiscard]] virtual std::vector<SerialDevice> LibraryDevices() const;
    [[nodiscard]] virtual DeviceNode Node(const QString& path) const;
    // Opens the device without waiting for a carrier and closes it again.
    [[nodiscard]] virtual OpenTrial TryOpen(const QString& path) const;
    [[nodiscard]] virtual QString Environment(const char* name) const;
    [[nodiscard]] virtual QString UserName() const;
    [[nodiscard]] virtual qint64 OwnProcess() const;

private:
    void addFromSysfs(SerialDevice& device) const;

    SystemRoots m_roots;
};
