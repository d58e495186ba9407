#pragma once

// A system for the cable diagnosis made of a folder tree: sysfs, /dev,
// /proc, /etc/group, udev's rules and records and dpkg's lists, with the
// user's rights and the library's device list set by the test.

#include "port/port_system.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <map>

class FakeTree {
public:
    FakeTree()
    {
        for (const char* folder : {"dev", "sys/bus/usb/devices", "sys/class/tty", "sys/devices/usb1", "proc",
                                   "etc/udev/rules.d", "usr/lib/udev/rules.d", "run/udev/data", "dpkg"})
            QDir().mkpath(path(folder));
        write("etc/group", "root:x:0:\ndialout:x:20:bob\nplugdev:x:46:alice,bob\n");
    }

    QString path(const QString& relative) const { return m_dir.filePath(relative); }
    // The folder that stands in for the machine's /.
    QString Root() const { return m_dir.path(); }

    SystemRoots Roots() const
    {
        SystemRoots roots;
        roots.dev = path("dev");
        roots.sys = path("sys");
        roots.proc = path("proc");
        roots.groupFile = path("etc/group");
        roots.udevRules = {path("etc/udev/rules.d"), path("usr/lib/udev/rules.d")};
        roots.udevData = path("run/udev/data");
        roots.packageLists = path("dpkg");
        return roots;
    }

    void write(const QString& relative, const QByteArray& text) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
    }

    void link(const QString& target, const QString& relative) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile::link(target, path(relative));
    }

    // A USB device at bus port busPort with one interface bound to driver
    // ("" for none) and, if tty is given, that tty under the interface, its
    // device file in dev (last, as udev makes it; a link to target where one
    // is given, such as a pseudo-terminal) and its number in class/tty.
    void AddUsb(const QString& busPort, const QByteArray& vendor, const QByteArray& product, const QString& driver,
                const QString& tty = {}, const QByteArray& serial = "A10K1234", const QString& target = {}) const
    {
        const QString device = QStringLiteral("sys/devices/usb1/") + busPort;
        write(device + "/idVendor", vendor + "\n");
        write(device + "/idProduct", product + "\n");
        write(device + "/product", "USB-Serial Controller\n");
        write(device + "/manufacturer", "Maker Inc.\n");
        write(device + "/serial", serial + "\n");
        const QString interface = device + "/" + busPort + ":1.0";
        QDir().mkpath(path(interface));
        if (!driver.isEmpty() && QDir().mkpath(path("sys/bus/usb/drivers/" + driver)))
            link(path("sys/bus/usb/drivers/" + driver), interface + "/driver");
        link(path(device), "sys/bus/usb/devices/" + busPort);
        if (tty.isEmpty())
            return;
        QDir().mkpath(path(interface + "/" + tty + "/tty/" + tty));
        link(path(interface), "sys/class/tty/" + tty + "/device");
        write("sys/class/tty/" + tty + "/dev", "188:" + QByteArray::number(m_minor++) + "\n");
        addDeviceFile(tty, target);
    }

    // The computer's own serial port: a platform device, no USB above it.
    void AddBuiltIn(const QString& tty, const QString& target = {}) const
    {
        const QString device = QStringLiteral("sys/devices/platform/serial8250");
        QDir().mkpath(path(device + "/tty/" + tty));
        link(path(device), "sys/class/tty/" + tty + "/device");
        addDeviceFile(tty, target);
    }

    // A process with the given files open.
    void AddProcess(qint64 pid, const QByteArray& command, const QStringList& files = {}) const
    {
        const QString folder = QStringLiteral("proc/%1").arg(pid);
        write(folder + "/comm", command + "\n");
        QDir().mkpath(path(folder + "/fd"));
        int fd = 3;
        for (const QString& file : files)
            link(file, folder + QStringLiteral("/fd/%1").arg(fd++));
    }

    QString Dev(const QString& name) const { return path("dev/" + name); }

private:
    void addDeviceFile(const QString& tty, const QString& target) const
    {
        if (target.isEmpty())
            write("dev/" + tty, {});
        else
            link(target, "dev/" + tty);
    }

    QTemporaryDir m_dir;
    mutable int m_minor = 0;
};

class FakePortSystem : public PortSystem {
public:
    explicit FakePortSystem(const FakeTree& tree) : PortSystem(tree.Roots()) {}

    std::vector<SerialDevice> library;
    // Rights and open outcomes by path; a file of the tree not listed here is
    // the user's to open.
    std::map<QString, DeviceNode> nodes;
    std::map<QString, OpenTrial> trials;
    QHash<QByteArray, QString> environment;

    std::vector<SerialDevice> LibraryDevices() const override { return library; }

    DeviceNode Node(const QString& path) const override
    {
        if (auto it = nodes.find(path); it != nodes.end())
            return it->second;
        const bool exists = QFileInfo::exists(path);
        return {exists, exists, QStringLiteral("dialout"), true};
    }

    OpenTrial TryOpen(const QString& path) const override
    {
        if (auto it = trials.find(path); it != trials.end())
            return it->second;
        return QFileInfo::exists(path) ? OpenTrial::Opened : OpenTrial::Missing;
    }

    QString Environment(const char* name) const override { return environment.value(name); }
    QString UserName() const override { return QStringLiteral("alice"); }
    qint64 OwnProcess() const override { return 100; }
};
