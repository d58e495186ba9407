#include "document/path_bytes.h"

#if defined(Q_OS_UNIX)
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#endif

namespace {

constexpr char16_t kFirstEscape = 0xDC80;
constexpr char16_t kLastEscape = 0xDCFF;

// How long the UTF-8 sequence its first byte announces is; 0 for a byte that
// cannot start one.
qsizetype announcedLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
}

} // namespace

QString PathFromBytes(const QByteArray& bytes)
{
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QString path;
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = announcedLength(static_cast<unsigned char>(bytes[i]));
        const QByteArray sequence = bytes.mid(i, length);
        if (length > 0 && sequence.size() == length && sequence.isValidUtf8()) {
            path += QString::fromUtf8(sequence);
            i += length;
        } else {
            path += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[i])));
            ++i;
        }
    }
    return path;
}

int UndecodedByte(const QString& path, qsizetype i)
{
    const char16_t c = path[i].unicode();
    const bool pairsWithThePrevious = i > 0 && path[i - 1].isHighSurrogate();
    if (c < kFirstEscape || c > kLastEscape || pairsWithThePrevious)
        return -1;
    return c - 0xDC00;
}

bool HoldsUndecodedBytes(const QString& path)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (UndecodedByte(path, i) >= 0)
            return true;
    }
    return false;
}

QByteArray PathBytes(const QString& path)
{
    if (!HoldsUndecodedBytes(path))
        return QFile::encodeName(path);
    QByteArray bytes;
    qsizetype textStart = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const int byte = UndecodedByte(path, i);
        if (byte < 0)
            continue;
        bytes += path.mid(textStart, i - textStart).toUtf8();
        bytes += static_cast<char>(byte);
        textStart = i + 1;
    }
    return bytes + path.mid(textStart).toUtf8();
}

#if defined(Q_OS_UNIX)
namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file a save replaces: a symbolic link's target, else the name itself.
QByteArray replacedName(const QByteArray& name)
{
    char resolved[PATH_MAX];
    return ::realpath(name.constData(), resolved) ? QByteArray(resolved) : name;
}

// A new file gets the permissions the user's umask gives, a replaced one
// keeps its own.
mode_t modeFor(const QByteArray& target)
{
    struct stat info {};
    if (::stat(target.constData(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

QString ReplaceUndecodedFile(const QString& path, const QByteArray& bytes)
{
    const QByteArray target = replacedName(PathBytes(path));
    const qsizetype slash = target.lastIndexOf('/');
    QByteArray temporary = target.left(slash + 1) + ".hmprog-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return systemReason(errno);
    QFile file;
    bool written = ::fchmod(fd, modeFor(target)) == 0 && file.open(fd, QIODevice::WriteOnly);
    written = written && file.write(bytes) == bytes.size() && file.flush() && ::fsync(fd) == 0;
    const int error = errno;
    file.close();
    ::close(fd);
    if (written && ::rename(temporary.constData(), target.constData()) == 0)
        return QString();
    const int renameError = written ? errno : error;
    ::unlink(temporary.constData());
    return systemReason(renameError);
}
#endif
