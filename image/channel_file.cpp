#include "channel_file.h"

#include "archive.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ChannelFile", text);
}

QString displayPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

FileStatus openFailed(const QString& detail)
{
    return FileStatus::Failed(tr("Failed to open document."), detail);
}

FileStatus saveFailed(const QString& detail)
{
    return FileStatus::Failed(tr("Failed to save document."), detail);
}

} // namespace

void SerializeImage(CArchive& ar, RadioImage& image)
{
    if (ar.IsStoring()) {
        for (std::uint8_t b : image.bytes())
            ar << b;
        return;
    }
    RadioImage::Bytes scratch{};
    for (std::uint8_t& b : scratch)
        ar >> b;
    if (ar.ok())
        image.setBytes(scratch);
}

FileStatus LoadChannelFile(const QString& path, RadioImage& image)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return openFailed(tr("%1: %2").arg(displayPath(path), file.errorString()));

    CArchive ar(file, CArchive::load);
    SerializeImage(ar, image);
    if (ar.ok())
        return FileStatus::Ok();

    if (file.error() != QFileDevice::NoError)
        return openFailed(tr("%1: %2").arg(displayPath(path), file.errorString()));
    return openFailed(tr("%1 is %2 bytes long; a channel file holds %3 bytes.")
                          .arg(displayPath(path))
                          .arg(file.size())
                          .arg(RadioImage::kSize));
}

FileStatus SaveChannelFile(const QString& path, const RadioImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(buffer, CArchive::store);
    RadioImage copy = image;
    SerializeImage(ar, copy);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return saveFailed(tr("%1: %2").arg(displayPath(path), file.errorString()));

    // QSaveFile's commit does not notice every failed write (a short write on
    // a full disk commits a truncated file), so the flush is checked here and
    // the temporary file dropped before it can replace the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return saveFailed(tr("%1: %2").arg(displayPath(path), reason));
    }
    if (!file.commit())
        return saveFailed(tr("%1: %2").arg(displayPath(path), file.errorString()));
    return FileStatus::Ok();
}
