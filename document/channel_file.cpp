#include "channel_file.h"

#include "document/display_path.h"
#include "document/file_kind.h"
#include "image/image_bytes.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <optional>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ChannelFile", text);
}

FileStatus openFailed(const QString& detail)
{
    return FileStatus::Failed(tr("Failed to open document."), detail);
}

FileStatus saveFailed(const QString& detail)
{
    return FileStatus::Failed(tr("Failed to save document."), detail);
}

QString because(const QString& name, const QString& reason)
{
    return tr("%1: %2").arg(DisplayPath(name), reason);
}

QString notAChannelFile(const QString& path, FileKind kind)
{
    return tr("%1 is %2, not a channel file.").arg(DisplayPath(path), FileKindText(kind));
}

// Opens path for reading without ever waiting: what is not a regular file is
// refused before it is opened, and opened without blocking in case it was
// swapped for a FIFO in between.
FileStatus openRegularFile(const QString& path, QFile& file)
{
    const FileKind kind = KindOfFile(path);
    if (kind != FileKind::Regular && kind != FileKind::Missing)
        return openFailed(notAChannelFile(path, kind));
#if defined(Q_OS_UNIX)
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return openFailed(because(path, QString::fromLocal8Bit(std::strerror(errno))));
    const FileKind opened = KindOfDescriptor(fd);
    if (opened != FileKind::Regular) {
        ::close(fd);
        return openFailed(notAChannelFile(path, opened));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return openFailed(because(path, file.errorString()));
    }
#else
    if (kind == FileKind::Missing)
        return openFailed(because(path, tr("No such file or directory")));
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return openFailed(because(path, file.errorString()));
#endif
    return FileStatus::Ok();
}

// Up to limit bytes, fewer only at the end of the stream.
std::optional<QByteArray> readAtMost(QIODevice& stream, qint64 limit)
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

// A file longer than an image is read only as far as its 1025th byte; its
// own length is the file system's where that knows it (not for a stream, or
// for the files under /proc that report no size).
QString wrongLength(const QString& name, qsizetype bytesRead, qint64 fullSize)
{
    const qint64 size = RadioImage::kSize;
    if (bytesRead > size && fullSize <= size)
        return tr("%1 is more than %2 bytes long; a channel file holds %2 bytes.")
            .arg(DisplayPath(name), QString::number(size));
    const qint64 length = bytesRead > size ? fullSize : bytesRead;
    return tr("%1 is %2 bytes long; a channel file holds %3 bytes.")
        .arg(DisplayPath(name), QString::number(length), QString::number(size));
}

// fullSize: the stream's length where it is known (a regular file), or -1.
FileStatus loadFrom(QIODevice& stream, const QString& name, qint64 fullSize, RadioImage& image)
{
    const std::optional<QByteArray> bytes = readAtMost(stream, RadioImage::kSize + 1);
    if (!bytes)
        return openFailed(because(name, stream.errorString()));
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->constData());
    if (!LoadImageFileBytes(std::span(data, static_cast<std::size_t>(bytes->size())), image))
        return openFailed(wrongLength(name, bytes->size(), fullSize));
    return FileStatus::Ok();
}

QByteArray storedBytes(const RadioImage& image)
{
    const std::vector<std::uint8_t> bytes = ImageFileBytes(image);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

} // namespace

FileStatus LoadChannelFile(const QString& path, RadioImage& image)
{
    QFile file;
    const FileStatus opened = openRegularFile(path, file);
    if (!opened.ok())
        return opened;
    return loadFrom(file, path, file.size(), image);
}

FileStatus LoadChannelStream(QIODevice& stream, const QString& name, RadioImage& image)
{
    return loadFrom(stream, name, -1, image);
}

FileStatus SaveChannelFile(const QString& path, const RadioImage& image)
{
    const FileStatus writable = CheckChannelFileOutput(path);
    if (!writable.ok())
        return writable;

    const QByteArray bytes = storedBytes(image);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return saveFailed(because(path, file.errorString()));

    // QSaveFile's commit does not notice every failed write (a short write on
    // a full disk commits a truncated file), so the flush is checked here and
    // the temporary file dropped before it can replace the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return saveFailed(because(path, reason));
    }
    if (!file.commit())
        return saveFailed(because(path, file.errorString()));
    return FileStatus::Ok();
}

FileStatus CheckChannelFileOutput(const QString& path)
{
    const QString refused = CheckOutputFile(path);
    return refused.isEmpty() ? FileStatus::Ok() : saveFailed(refused + u'.');
}

FileStatus WriteChannelStream(QIODevice& stream, const QString& name, const RadioImage& image)
{
    const QByteArray bytes = storedBytes(image);
    if (stream.write(bytes) != bytes.size())
        return saveFailed(because(name, stream.errorString()));
    if (auto* file = qobject_cast<QFileDevice*>(&stream); file && !file->flush())
        return saveFailed(because(name, file->errorString()));
    return FileStatus::Ok();
}
