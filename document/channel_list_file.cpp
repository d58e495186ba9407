#include "document/channel_list_file.h"

#include "document/display_path.h"
#include "document/file_kind.h"
#include "document/regular_file.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// The translation context of this file's texts.
class ChannelListFile {
    Q_DECLARE_TR_FUNCTIONS(ChannelListFile)
};

FileStatus openFailed(const QString& detail)
{
    return FileStatus::Failed(ChannelListFile::tr("Failed to open the channel list."), detail);
}

FileStatus saveFailed(const QString& detail)
{
    return FileStatus::Failed(ChannelListFile::tr("Failed to save the channel list."), detail);
}

QString notAChannelList(const QString& path, FileKind kind)
{
    return ChannelListFile::tr("%1 is %2, not a channel list.").arg(DisplayPath(path), FileKindText(kind));
}

FileStatus loadFrom(QIODevice& stream, const QString& name, QByteArray& bytes)
{
    std::optional<QByteArray> read = ReadAtMost(stream, kLargestChannelList + 1);
    if (!read)
        return openFailed(FileReason(name, stream.errorString()));
    if (read->size() > kLargestChannelList)
        return openFailed(ChannelListFile::tr("%1 is more than %2 MiB long, too large to be a channel list.")
                              .arg(DisplayPath(name), QString::number(kLargestChannelList / (1024 * 1024))));
    bytes = std::move(*read);
    return FileStatus::Ok();
}

} // namespace

FileStatus LoadChannelListFile(const QString& path, QByteArray& bytes)
{
    QFile file;
    const QString refused = OpenRegularFile(path, file, notAChannelList);
    if (!refused.isEmpty())
        return openFailed(refused);
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
        return saveFailed(refused + u'.');
    const QString failed = ReplaceFileContents(path, bytes);
    return failed.isEmpty() ? FileStatus::Ok() : saveFailed(failed);
}

FileStatus WriteChannelListStream(QIODevice& stream, const QString& name, const QByteArray& bytes)
{
    const QString failed = WriteToStream(stream, name, bytes);
    return failed.isEmpty() ? FileStatus::Ok() : saveFailed(failed);
}

QString ReportReason(const ReportLine& report)
{
    // The core's templates are translated in the "hmprog" context. The args
    // are filled in one pass: a value from the file may itself hold "%1".
    const QString text = QCoreApplication::translate("hmprog", report.text);
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool isArg = text[i] == u'%' && i + 1 < text.size() && text[i + 1] >= u'1' && text[i + 1] <= u'9';
        const auto arg = isArg ? static_cast<std::size_t>(text[i + 1].unicode() - u'1') : 0;
        if (isArg && arg < report.args.size()) {
            out += QString::fromStdString(report.args[arg]);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

QString ReportLineForUser(const ReportLine& report)
{
    const QString reason = ReportReason(report);
    if (report.line == 0)
        return reason;
    const QString line = QString::number(report.line);
    switch (report.kind) {
    case ReportKind::Skipped:
        return ChannelListFile::tr("Line %1, skipped: %2").arg(line, reason);
    case ReportKind::Changed:
        return ChannelListFile::tr("Line %1, changed: %2").arg(line, reason);
    case ReportKind::Note:
    case ReportKind::Failure:
        break;
    }
    return ChannelListFile::tr("Line %1: %2").arg(line, reason);
}
