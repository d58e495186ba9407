#include "document/regular_file.h"

#include "document/display_path.h"
#include "document/path_bytes.h"

#include <QCoreApplication>
#include <QSaveFile>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

QString FileReason(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("RegularFile", "%1: %2").arg(DisplayPath(path), reason);
}

QString OpenRegularFile(const QString& path, QFile& file, NotRegularWording refused)
{
    const FileKind kind = KindOfFile(path);
    if (kind != FileKind::Regular && kind != FileKind::Missing)
        return refused(path, kind);
#if defined(Q_OS_UNIX)
    const int fd = ::open(PathBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FileReason(path, QString::fromLocal8Bit(std::strerror(errno)));
    const FileKind opened = KindOfDescriptor(fd);
    if (opened != FileKind::Regular) {
        ::close(fd);
        return refused(path, opened);
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileReason(path, file.errorString());
    }
#else
    if (kind == FileKind::Missing)
        return FileReason(path, QCoreApplication::translate("RegularFile", "No such file or directory"));
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileReason(path, file.errorString());
#endif
    return QString();
}

std::optional<QByteArray> ReadAtMost(QIODevice& stream, qint64 limit)
{
    QByteArray bytes(static_cast<qsizetype>(limit), '\0');
    qint64 total = 0;
    while (total < limit) {
        const qint64 n = stream.read(bytes.data() + total, limit - total);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        total += n;
    }
    bytes.truncate(static_cast<qsizetype>(total));
    return bytes;
}

QString ReplaceFileContents(const QString& path, const QByteArray& bytes)
{
#if defined(Q_OS_UNIX)
    if (HoldsUndecodedBytes(path)) {
        const QString reason = ReplaceUndecodedFile(path, bytes);
        return reason.isEmpty() ? reason : FileReason(path, reason);
    }
#endif
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileReason(path, file.errorString());

    // QSaveFile's commit does not notice every failed write (a short write on
    // a full disk commits a truncated file), so the flush is checked here and
    // the temporary file dropped before it can replace the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileReason(path, reason);
    }
    if (!file.commit())
        return FileReason(path, file.errorString());
    return QString();
}

QString WriteToStream(QIODevice& stream, const QString& name, const QByteArray& bytes)
{
    if (stream.write(bytes) != bytes.size())
        return FileReason(name, stream.errorString());
    if (auto* file = qobject_cast<QFileDevice*>(&stream); file && !file->flush())
        return FileReason(name, file->errorString());
    return QString();
}
