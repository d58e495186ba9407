#include "cli_options.h"

CliOptions::CliOptions(const QStringList& args, const QStringList& valueOptions, const QStringList& flags)
{
    for (qsizetype i = 0; i < args.size() && m_error.isEmpty(); ++i) {
        QString name = args[i];
        QString value;
        bool inlineValue = false;
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (name.startsWith(QLatin1String("--")) && equals > 0) {
            value = name.mid(equals + 1);
            name = name.left(equals);
            inlineValue = true;
        }
        if (m_values.contains(name)) {
            m_error = QStringLiteral("%1 given twice").arg(name);
        } else if (flags.contains(name) && !inlineValue) {
            m_values.insert(name, QString());
        } else if (valueOptions.contains(name)) {
            if (!inlineValue) {
                if (i + 1 >= args.size()) {
                    m_error = QStringLiteral("%1 needs a value").arg(name);
                    break;
                }
                value = args[++i];
            }
            m_values.insert(name, value);
        } else {
            m_error = QStringLiteral("unknown option '%1'").arg(args[i]);
        }
    }
}

bool CliOptions::count(const QString& name, int& out) const
{
    bool ok = false;
    const int n = value(name).toInt(&ok);
    if (!ok || n < 0)
        return false;
    out = n;
    return true;
}
