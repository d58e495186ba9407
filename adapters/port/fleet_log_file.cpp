#include "port/fleet_log_file.h"

#include "document/display_path.h"
#include "document/file_kind.h"
#include "document/path_bytes.h"
#include "fleet/fleet_log.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString failure(const QString& path, const char* what)
{
    return QStringLiteral("cannot append to the log %1: %2").arg(DisplayPath(path), QString::fromLocal8Bit(what));
}

} // namespace

int OpenFleetLog(const QString& path, QString& error)
{
    const QByteArray name = PathBytes(path);
    // O_NONBLOCK: a FIFO given as the log is refused below, not waited on.
    constexpr int kFlags = O_WRONLY | O_APPEND | O_CLOEXEC | O_NONBLOCK;
    int file = ::open(name.constData(), kFlags | O_CREAT | O_EXCL, 0644);
    const bool created = file >= 0;
    if (!created && errno == EEXIST)
        file = ::open(name.constData(), kFlags);
    if (file < 0) {
        error = failure(path, std::strerror(errno));
        return -1;
    }
    struct stat status = {};
    if (::fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(file);
        error = failure(path, kNotARegularFile);
        return -1;
    }
    if ((created || status.st_size == 0) && !AppendFleetLogLine(file, FleetLogHeader())) {
        error = failure(path, std::strerror(errno));
        ::close(file);
        return -1;
    }
    return file;
}

bool AppendFleetLogLine(int file, const std::string& line)
{
    ssize_t written = -1;
    do {
        written = ::write(file, line.data(), line.size());
    } while (written < 0 && errno == EINTR);
    return written == static_cast<ssize_t>(line.size());
}
