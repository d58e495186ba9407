#include "document/file_kind.h"

#include "document/display_path.h"
#include "document/path_bytes.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace {

// The translation context of this file's texts.
class FileKindTexts {
    Q_DECLARE_TR_FUNCTIONS(FileKindTexts)
};

#if defined(Q_OS_UNIX)
FileKind kindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return FileKind::Regular;
    if (S_ISDIR(mode))
        return FileKind::Directory;
    if (S_ISFIFO(mode))
        return FileKind::Fifo;
    if (S_ISSOCK(mode))
        return FileKind::Socket;
    if (S_ISCHR(mode))
        return FileKind::CharacterDevice;
    if (S_ISBLK(mode))
        return FileKind::BlockDevice;
    return FileKind::Other;
}
#endif

} // namespace

FileKind KindOfFile(const QString& path)
{
    if (path.isEmpty())
        return FileKind::Missing;
#if defined(Q_OS_UNIX)
    struct stat info {};
    if (::stat(PathBytes(path).constData(), &info) != 0)
        return FileKind::Missing;
    return kindOfMode(info.st_mode);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return FileKind::Missing;
    if (info.isDir())
        return FileKind::Directory;
    return info.isFile() ? FileKind::Regular : FileKind::Other;
#endif
}

#if defined(Q_OS_UNIX)
FileKind KindOfDescriptor(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return FileKind::Other;
    return kindOfMode(info.st_mode);
}
#endif

QString FileKindText(FileKind kind)
{
    switch (kind) {
    case FileKind::Missing:
        return FileKindTexts::tr("missing");
    case FileKind::Regular:
        return FileKindTexts::tr("a file");
    case FileKind::Directory:
        return FileKindTexts::tr("a folder");
    case FileKind::Fifo:
        return FileKindTexts::tr("a FIFO (named pipe)");
    case FileKind::Socket:
        return FileKindTexts::tr("a socket");
    case FileKind::CharacterDevice:
        return FileKindTexts::tr("a character device");
    case FileKind::BlockDevice:
        return FileKindTexts::tr("a block device");
    case FileKind::Other:
        break;
    }
    return FileKindTexts::tr(kNotARegularFile);
}

QString CheckOutputFile(const QString& path)
{
    if (path.isEmpty())
        return FileKindTexts::tr("no file name was given");
    const FileKind kind = KindOfFile(path);
    if (kind == FileKind::Missing || kind == FileKind::Regular)
        return QString();
    return FileKindTexts::tr("%1 is %2, not a regular file: nothing was written to it").arg(DisplayPath(path), FileKindText(kind));
}
