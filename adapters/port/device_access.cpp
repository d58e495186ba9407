#include "device_access.h"

#include <QFile>
#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <grp.h>
#include <sys/stat.h>
#endif

QString DevicePath(const QString& name, const QString& devFolder)
{
#if defined(Q_OS_UNIX)
    const QFileInfo given(name);
    if (given.exists())
        return given.absoluteFilePath();
    return name.contains(u'/') ? name : devFolder + u'/' + name;
#else
    Q_UNUSED(devFolder);
    return name;
#endif
}

std::string DeviceAccessGroup(const QString& device)
{
#if defined(Q_OS_UNIX)
    struct stat info {};
    if (::stat(QFile::encodeName(DevicePath(device)).constData(), &info) != 0)
        return {};
    if ((info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP))
        return {};
    if (const struct group* owner = ::getgrgid(info.st_gid))
        return owner->gr_name;
    return std::to_string(info.st_gid);
#else
    Q_UNUSED(device);
    return {};
#endif
}
