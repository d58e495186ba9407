#pragma once

#include "document/file_status.h"
#include "exchange/channel_csv.h"
#include "exchange/exchange_report.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

// A channel list in the CSV exchange format, read and written whole. Only a
// regular file is read, and only up to kLargestChannelList bytes: anything
// longer is no channel list.
inline constexpr qint64 kLargestChannelList = 16 * 1024 * 1024;

[[nodiscard]] FileStatus LoadChannelListFile(const QString& path, QByteArray& bytes);
// The same for a stream already open for reading, such as standard input;
// name stands for it in messages.
[[nodiscard]] FileStatus LoadChannelListStream(QIODevice& stream, const QString& name, QByteArray& bytes);

// Writes through a temporary file renamed over path; a path that is not a
// regular file is refused and left alone.
[[nodiscard]] FileStatus SaveChannelListFile(const QString& path, const QByteArray& bytes);
[[nodiscard]] FileStatus WriteChannelListStream(QIODevice& stream, const QString& name, const QByteArray& bytes);

// A channel list that could not be read or written, detail saying why.
[[nodiscard]] FileStatus ChannelListOpenFailed(const QString& detail);
[[nodiscard]] FileStatus ChannelListSaveFailed(const QString& detail);

// An import's report in the user's language, as the core words it (see
// exchange/import_report.h). One line: "Line 7, skipped: The row has no
// Frequency.", "Line 9, changed: ...", "Line 2: ...", or the text alone for
// the file as a whole.
[[nodiscard]] QString ReportLineForUser(const ReportLine& report);
// The reason alone, translated and filled in.
[[nodiscard]] QString ReportReason(const ReportLine& report);
// Every line of the report, with the headings read when the file has none of them.
[[nodiscard]] QStringList ImportReportForUser(const ImportResult& result);
// "4 rows loaded, 1 skipped." (withChannels: "...; 3 channels change.")
[[nodiscard]] QString ImportSummaryForUser(const ImportResult& result, bool withChannels = false);
