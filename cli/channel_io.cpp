#include "channel_io.h"
#include "print_error.h"

#include "document/channel_file.h"
#include "document/channel_list_file.h"
#include "document/core_text.h"
#include "image/image_bytes.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

bool isStandardStream(const QString& argument)
{
    return argument == QLatin1String("-");
}

// A file that could not be written to standard output is the command's own
// failure, reported with its status: the check of standard output at the
// end is not to report it a second time.
FileStatus reported(FileStatus status)
{
    if (!status.ok())
        std::clearerr(stdout);
    return status;
}

} // namespace

QString ChannelName(const QString& argument, bool reading)
{
    if (!isStandardStream(argument))
        return argument;
    return reading ? QCoreApplication::translate("ChannelIo", "standard input")
                   : QCoreApplication::translate("ChannelIo", "standard output");
}

FileStatus ReadChannel(const QString& argument, RadioImage& image)
{
    if (!isStandardStream(argument))
        return LoadChannelFile(argument, image);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return FileStatus::Failed(CoreText(kChannelFileOpenFailed), in.errorString());
    return LoadChannelStream(in, ChannelName(argument, true), image);
}

FileStatus WriteChannel(const QString& argument, const RadioImage& image)
{
    if (!isStandardStream(argument))
        return SaveChannelFile(argument, image);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FileStatus::Failed(CoreText(kChannelFileSaveFailed), out.errorString());
    return reported(WriteChannelStream(out, ChannelName(argument, false), image));
}

FileStatus ReadChannelList(const QString& argument, QByteArray& bytes)
{
    if (!isStandardStream(argument))
        return LoadChannelListFile(argument, bytes);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return ChannelListOpenFailed(in.errorString());
    return LoadChannelListStream(in, ChannelName(argument, true), bytes);
}

FileStatus WriteChannelList(const QString& argument, const QByteArray& bytes)
{
    if (!isStandardStream(argument))
        return SaveChannelListFile(argument, bytes);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return ChannelListSaveFailed(out.errorString());
    return reported(WriteChannelListStream(out, ChannelName(argument, false), bytes));
}

void PrintFileError(const FileStatus& status)
{
    PrintError(status.text());
    if (!status.detail().isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(status.detail()));
}
