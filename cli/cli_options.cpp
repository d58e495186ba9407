#include "cli_options.h"

#include "document/display_path.h"

#include <algorithm>
#include <limits>

namespace {

bool isOption(const QString& arg)
{
    return arg.startsWith(QLatin1String("--"));
}

} // namespace

CliOptions::CliOptions(const QStringList& args, const QStringList& valueOptions, const QStringList& flags)
{
    for (qsizetype i = 0; i < args.size() && m_error.isEmpty(); ++i) {
        QString name = args[i];
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        const bool inlineValue = isOption(name) && equals > 0;
        if (inlineValue)
            name = name.left(equals);

        if (m_values.contains(name)) {
            m_error = QStringLiteral("%1 given twice").arg(DisplayPath(name));
        } else if (flags.contains(name) && !inlineValue) {
            m_values.insert(name, QString());
        } else if (valueOptions.contains(name)) {
            const QString value = inlineValue ? args[i].mid(equals + 1) : takeValue(args, i, name);
            if (m_error.isEmpty() && value.isEmpty())
                m_error = QStringLiteral("%1 needs a value, not an empty one").arg(name);
            else
                m_values.insert(name, value);
        } else {
            m_error = QStringLiteral("unknown option '%1'").arg(DisplayPath(args[i]));
        }
    }
}

// The argument after the option, unless there is none or it is another
// option: then the value was forgotten, and the option after must not be
// taken for it.
QString CliOptions::takeValue(const QStringList& args, qsizetype& i, const QString& name)
{
    if (i + 1 >= args.size() || isOption(args[i + 1])) {
        m_error = QStringLiteral("%1 needs a value").arg(name);
        return QString();
    }
    return args[++i];
}

QString CliOptions::count(const QString& name, int& out) const
{
    const QString text = value(name);
    bool ok = false;
    const qulonglong n = text.toULongLong(&ok);
    const bool digitsOnly =
        !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digitsOnly)
        return QStringLiteral("%1 needs a count of 0 or more").arg(name);
    if (!ok || n > static_cast<qulonglong>(std::numeric_limits<int>::max()))
        return QStringLiteral("%1 %2 is too large: at most %3").arg(name, text).arg(std::numeric_limits<int>::max());
    out = static_cast<int>(n);
    return QString();
}
