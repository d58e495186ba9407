#include "cli/read_backup.h"

#include "cli/print_error.h"

#include "document/backup_folder.h"

#include <QRegularExpression>

QString KeepReadBackup(const RadioImage& image)
{
    const KeptBackup kept = KeepBackup(image);
    if (!kept.ok()) {
        PrintError(QStringLiteral("warning: %1").arg(kept.failure));
        return {};
    }
    return kept.path;
}

QString ShellQuoted(const QString& argument)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:=+,@%-]+$"));
    if (plain.match(argument).hasMatch())
        return argument;
    QString quoted = argument;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}
