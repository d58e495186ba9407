#include "cli/fleet_report.h"

#include "cli/fleet_radio.h"
#include "cli/print_error.h"
#include "cli/read_backup.h"
#include "cli/standard_output.h"

#include "document/display_path.h"
#include "fleet/radio_data.h"

#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

QString verifyText(const FleetRadio& radio)
{
    if (!radio.verifyAsked)
        return {};
    return radio.verified ? QStringLiteral("verified") : QStringLiteral("FAILED");
}

QStringList tableRow(const FleetRadio& radio)
{
    return {radio.port,
            radio.cableSerial,
            radio.radio,
            FleetResultText(radio) + (radio.keptRadioData ? QString::fromUtf8(kRadioDataKept) : QString()),
            verifyText(radio),
            radio.backup.isEmpty() ? QString() : DisplayPath(radio.backup),
            QString::number(radio.seconds, 'f', 1)};
}

// Columns as wide as their widest cell, "-" for an empty one.
QString tableText(const std::vector<QStringList>& rows)
{
    std::vector<qsizetype> widths(rows.front().size(), 1);
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    QString text;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i)
            line += (row[i].isEmpty() ? QStringLiteral("-") : row[i]).leftJustified(widths[i] + 2);
        text += line.trimmed() + u'\n';
    }
    return text;
}

} // namespace

bool FleetRadioDone(const FleetRadio& radio)
{
    return radio.end == FleetEnd::Written && (!radio.verifyAsked || radio.verified);
}

QString FleetResultText(const FleetRadio& radio)
{
    switch (radio.end) {
    case FleetEnd::Written:
        return QStringLiteral("written");
    case FleetEnd::Failed:
        return QStringLiteral("failed");
    case FleetEnd::OtherModel:
        return QStringLiteral("other model");
    case FleetEnd::Cancelled:
        return QStringLiteral("not written");
    case FleetEnd::Pending:
        break;
    }
    return QStringLiteral("pending");
}

void PrintFleetTable(const std::vector<FleetRadio>& radios)
{
    std::vector<QStringList> rows = {{QStringLiteral("PORT"), QStringLiteral("CABLE"), QStringLiteral("RADIO"),
                                      QStringLiteral("RESULT"), QStringLiteral("VERIFY"), QStringLiteral("BACKUP"),
                                      QStringLiteral("SECONDS")}};
    for (const FleetRadio& radio : radios)
        rows.push_back(tableRow(radio));
    static_cast<void>(PrintToStandardOutput(tableText(rows).toLocal8Bit().toStdString()));
    static_cast<void>(FlushStandardOutput());
}

void PrintFleetFailures(const std::vector<FleetRadio>& radios)
{
    for (const FleetRadio& radio : radios) {
        if (radio.logFailed)
            PrintError(QStringLiteral("warning: %1: its row could not be written to the log").arg(radio.port));
        if (FleetRadioDone(radio))
            continue;
        PrintError(QStringLiteral("%1: %2: %3").arg(radio.port, FleetResultText(radio), radio.reason));
        // A radio nothing was written into still holds what it held.
        if (radio.backup.isEmpty() || !(radio.partlyWritten || radio.end == FleetEnd::Written))
            continue;
        std::fprintf(stderr,
                     "  what it held before is kept; to write it back:\n  hmprog-cli write --port %s --input %s\n",
                     qPrintable(ShellQuoted(radio.port)), qPrintable(ShellQuoted(radio.backup)));
    }
}

FleetLogRow FleetLogRowFor(const FleetPlan& plan, const FleetRadio& radio)
{
    const QString result =
        radio.reason.isEmpty() ? FleetResultText(radio) : FleetResultText(radio) + QStringLiteral(": ") + radio.reason;
    return {.time = LogTimeText(std::time(nullptr)),
            .file = plan.file.toStdString(),
            .fileSha256 = plan.fileSha256,
            .port = radio.port.toStdString(),
            .cableSerial = radio.cableSerial.toStdString(),
            .radio = radio.radio.toStdString(),
            .result = result.toStdString(),
            .verified = verifyText(radio) == QLatin1String("verified") ? "yes" : (radio.verifyAsked ? "no" : ""),
            .radioData = radio.keptRadioData ? "kept" : "replaced",
            .backup = radio.backup.toStdString(),
            .seconds = radio.seconds};
}
