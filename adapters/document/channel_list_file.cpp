#include "document/channel_list_file.h"

#include "document/core_text.h"
#include "document/display_path.h"
#include "document/file_kind.h"
#include "document/regular_file.h"
#include "exchange/import_report.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// The translation context of this file's texts.
class ChannelListFile {
    Q_DECLARE_TR_FUNCTIONS(ChannelListFile)
};

QString notAChannelList(const QString& path, FileKind kind)
{
    return ChannelListFile::tr("%1 is %2, not a channel list.").arg(DisplayPath(path), FileKindText(kind));
}

FileStatus loadFrom(QIODevice& stream, const QString& name, QByteArray& bytes)
{
    std::optional<QByteArray> read = ReadAtMost(stream, kLargestChannelList + 1);
    if (!read)
        return ChannelListOpenFailed(FileReason(name, stream.errorString()));
    if (read->size() > kLargestChannelList)
        return ChannelListOpenFailed(ChannelListFile::tr("%1 is more than %2 MiB long, too large to be a channel list.")
                              .arg(DisplayPath(name), QString::number(kLargestChannelList / (1024 * 1024))));
    bytes = std::move(*read);
    return FileStatus::Ok();
}

} // namespace

FileStatus ChannelListOpenFailed(const QString& detail)
{
    return FileStatus::Failed(ChannelListFile::tr("Failed to open the channel list."), detail);
}

FileStatus ChannelListSaveFailed(const QString& detail)
{
    return FileStatus::Failed(ChannelListFile::tr("Failed to save the channel list."), detail);
}

FileStatus LoadChannelListFile(const QString& path, QByteArray& bytes)
{
    QFile file;
    const QString refused = OpenRegularFile(path, file, notAChannelList);
    if (!refused.isEmpty())
        return ChannelListOpenFailed(refused);
    return loadFrom(file, path, bytes);
}

FileStatus LoadChannelListStream(QIODevice& stream, const QString& name, QByteArray& bytes)
{
    return loadFrom(stream, name, bytes);
}

FileStatus SaveChannelListFile(const QString& path, const QByteArray& bytes)
{
    const QString refused = CheckOutputFile(path);
    if (!refused.isEmpty())
        return ChannelListSaveFailed(refused + u'.');
    const QString failed = ReplaceFileContents(path, bytes);
    return failed.isEmpty() ? FileStatus::Ok() : ChannelListSaveFailed(failed);
}

FileStatus WriteChannelListStream(QIODevice& stream, const QString& name, const QByteArray& bytes)
{
    const QString failed = WriteToStream(stream, name, bytes);
    return failed.isEmpty() ? FileStatus::Ok() : ChannelListSaveFailed(failed);
}

QString ReportReason(const ReportLine& report)
{
    return QString::fromStdString(ReportReasonText(report, CoreTextUtf8));
}

QString ReportLineForUser(const ReportLine& report)
{
    return QString::fromStdString(ReportLineForUserText(report, CoreTextUtf8));
}

QStringList ImportReportForUser(const ImportResult& result)
{
    QStringList lines;
    for (const std::string& line : ImportReportTexts(result, CoreTextUtf8))
        lines.append(QString::fromStdString(line));
    return lines;
}

QString ImportSummaryForUser(const ImportResult& result, bool withChannels)
{
    return QString::fromStdString(ImportSummaryText(result, CoreTextUtf8, withChannels));
}
