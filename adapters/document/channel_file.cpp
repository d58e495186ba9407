#include "channel_file.h"

#include "document/core_text.h"
#include "document/display_path.h"
#include "document/file_kind.h"
#include "document/regular_file.h"
#include "image/image_bytes.h"

#include <QCoreApplication>
#include <QFile>

#include <optional>

namespace {

// The translation context of this file's texts.
class ChannelFile {
    Q_DECLARE_TR_FUNCTIONS(ChannelFile)
};

FileStatus openFailed(const QString& detail)
{
    return FileStatus::Failed(CoreText(kChannelFileOpenFailed), detail);
}

FileStatus saveFailed(const QString& detail)
{
    return FileStatus::Failed(CoreText(kChannelFileSaveFailed), detail);
}

QString notAChannelFile(const QString& path, FileKind kind)
{
    return ChannelFile::tr("%1 is %2, not a channel file.").arg(DisplayPath(path), FileKindText(kind));
}

// A file longer than an image is read only as far as its 1025th byte; its
// own length is the file system's where that knows it (not for a stream, or
// for the files under /proc that report no size).
QString wrongLength(const QString& name, qsizetype bytesRead, qint64 fullSize)
{
    const qint64 size = RadioImage::kSize;
    if (bytesRead > size && fullSize <= size)
        return ChannelFile::tr("%1 is more than %2 bytes long; a channel file holds %2 bytes.")
            .arg(DisplayPath(name), QString::number(size));
    const qint64 length = bytesRead > size ? fullSize : bytesRead;
    return CoreText(kChannelFileLength)
        .arg(DisplayPath(name), QString::number(length), QString::number(size));
}

// fullSize: the stream's length where it is known (a regular file), or -1.
FileStatus loadFrom(QIODevice& stream, const QString& name, qint64 fullSize, RadioImage& image)
{
    const std::optional<QByteArray> bytes = ReadAtMost(stream, RadioImage::kSize + 1);
    if (!bytes)
        return openFailed(FileReason(name, stream.errorString()));
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
    const QString refused = OpenRegularFile(path, file, notAChannelFile);
    if (!refused.isEmpty())
        return openFailed(refused);
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

    const QString failed = ReplaceFileContents(path, storedBytes(image));
    return failed.isEmpty() ? FileStatus::Ok() : saveFailed(failed);
}

FileStatus CheckChannelFileOutput(const QString& path)
{
    const QString refused = CheckOutputFile(path);
    return refused.isEmpty() ? FileStatus::Ok() : saveFailed(refused + u'.');
}

FileStatus WriteChannelStream(QIODevice& stream, const QString& name, const RadioImage& image)
{
    const QString failed = WriteToStream(stream, name, storedBytes(image));
    return failed.isEmpty() ? FileStatus::Ok() : saveFailed(failed);
}
