#pragma once

#include <QString>

#include <vector>

// A process that has a file open.
struct FileHolder {
    qint64 pid = 0;
    QString command;  // its name as the kernel keeps it ("minicom")
};

// The processes under procRoot, other than ownPid, whose open files include
// path. Only the processes this user may look into are seen.
std::vector<FileHolder> HoldersOf(const QString& procRoot, const QString& path, qint64 ownPid);

// Whether a process of this name runs.
bool ProcessRunning(const QString& procRoot, const QString& command);
