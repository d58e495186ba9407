#include "document/new_file.h"

#include "document/regular_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#if defined(Q_OS_UNIX)
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace {

// Whether anything stands at path; a symbolic link counts as itself.
bool nameTaken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

NewFileOutcome failed(const QString& path, const QString& reason)
{
    return {NewFileResult::Failed, FileReason(path, reason)};
}

// Creates path exclusively (O_CREAT | O_EXCL, which never follows a link)
// and writes into it: for file systems without hard links. A file left
// short by a failed write is removed, being this program's own.
NewFileOutcome writeInPlace(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return nameTaken(path) ? NewFileOutcome{NewFileResult::NameTaken, {}} : failed(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.remove();
        return failed(path, reason);
    }
    file.close();
    return {NewFileResult::Written, {}};
}

} // namespace

NewFileOutcome WriteNewFile(const QString& path, const QByteArray& bytes)
{
#if defined(Q_OS_UNIX)
    // QSaveFile would rename over whatever took the name meanwhile; link()
    // gives the finished file its name only while the name is free.
    QTemporaryFile whole(QFileInfo(path).dir().filePath(QStringLiteral(".writing-XXXXXX")));
    if (!whole.open())
        return failed(path, whole.errorString());
    if (whole.write(bytes) != bytes.size() || !whole.flush() || ::fsync(static_cast<int>(whole.handle())) != 0)
        return failed(path, whole.errorString());
    if (::link(QFile::encodeName(whole.fileName()).constData(), QFile::encodeName(path).constData()) == 0)
        return {NewFileResult::Written, {}};
    switch (errno) {
    case EEXIST:
        return {NewFileResult::NameTaken, {}};
    case EPERM:
    case ENOTSUP:
    case ENOSYS:
    case EMLINK:
        break;  // no hard links here (FAT, some network shares)
    default:
        return failed(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
#endif
    return writeInPlace(path, bytes);
}
