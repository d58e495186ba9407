#include "open_failure_detail.h"

#include <QCoreApplication>
#include <QFile>

#if defined(Q_OS_UNIX)
#include <grp.h>
#include <sys/stat.h>
#endif

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("OpenFailureDetail", text);
}

// QSerialPort looks a bare name up under /dev.
QString devicePath(const QString& device)
{
    return device.startsWith(u'/') ? device : QStringLiteral("/dev/") + device;
}

QString permissionAdvice(const QString& device)
{
    const QString group = DeviceAccessGroup(device);
    if (group.isEmpty())
        return tr("Permission denied: ask for the right to use this device.");
#if defined(Q_OS_LINUX)
    return tr("Permission denied: the device belongs to the group \"%1\", and your user must be in that group "
              "(for example: sudo usermod -aG %1 $USER, then log in again).")
        .arg(group);
#else
    return tr("Permission denied: the device belongs to the group \"%1\", and your user must be in that group.")
        .arg(group);
#endif
}

QString adviceFor(const QString& device, OpenFailure failure)
{
    switch (failure) {
    case OpenFailure::None:
        return QString();
    case OpenFailure::MissingDevice:
        return tr("The device is missing: plug in the programming cable, then choose its port in the Port menu.");
    case OpenFailure::PermissionDenied:
        return permissionAdvice(device);
    case OpenFailure::Busy:
        return tr("The port is busy: another program holds it. Close that program and try again.");
    case OpenFailure::Other:
        break;
    }
    return OpenFailureAdvice(failure);
}

} // namespace

QString DeviceAccessGroup(const QString& device)
{
#if defined(Q_OS_UNIX)
    struct stat info {};
    if (::stat(QFile::encodeName(devicePath(device)).constData(), &info) != 0)
        return QString();
    if ((info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP))
        return QString();
    if (const struct group* owner = ::getgrgid(info.st_gid))
        return QString::fromLocal8Bit(owner->gr_name);
    return QString::number(info.st_gid);
#else
    Q_UNUSED(device);
    return QString();
#endif
}

QString OpenFailureDetail(const QString& portName, const QString& device, const OpenStatus& status)
{
    const QString port = device.isEmpty() || device == portName ? portName : tr("%1 (%2)").arg(portName, device);
    const QString advice = adviceFor(device, status.failure());
    if (status.systemText().isEmpty())
        return tr("%1: %2").arg(port, advice);
    return tr("%1: %2. %3").arg(port, status.systemText(), advice);
}
