#include "process_table.h"

#include "port/sysfs_files.h"

#include <QDir>
#include <QFileInfo>

namespace {

QStringList processFolders(const QString& procRoot)
{
    QStringList pids;
    for (const QString& name : QDir(procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        name.toLongLong(&number);
        if (number)
            pids << name;
    }
    return pids;
}

bool holds(const QString& fdFolder, const QString& path, const QString& canonical)
{
    const QDir fds(fdFolder);
    for (const QString& fd : fds.entryList(QDir::System | QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = QFileInfo(fds.filePath(fd)).symLinkTarget();
        if (!target.isEmpty() && (target == path || target == canonical))
            return true;
    }
    return false;
}

} // namespace

std::vector<FileHolder> HoldersOf(const QString& procRoot, const QString& path, qint64 ownPid)
{
    std::vector<FileHolder> holders;
    const QString canonical = QFileInfo(path).canonicalFilePath();
    for (const QString& pid : processFolders(procRoot)) {
        if (pid.toLongLong() == ownPid)
            continue;
        const QString folder = procRoot + u'/' + pid;
        if (holds(folder + QStringLiteral("/fd"), path, canonical))
            holders.push_back({pid.toLongLong(), ReadSysfsText(folder + QStringLiteral("/comm"))});
    }
    return holders;
}

bool ProcessRunning(const QString& procRoot, const QString& command)
{
    for (const QString& pid : processFolders(procRoot)) {
        if (ReadSysfsText(procRoot + u'/' + pid + QStringLiteral("/comm")) == command)
            return true;
    }
    return false;
}
