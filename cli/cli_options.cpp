#include "cli_options.h"

#include "document/display_path.h"

#include <algorithm>
#include <limits>

namespace {

bool isOption(const QString& arg)
{
    return arg.startsWith(QLatin1String("--"));
}

const CliOption* findOption(const CliSyntax& syntax, const QString& name)
{
    const auto found = std::find_if(syntax.options.begin(), syntax.options.end(),
                                    [&name](const CliOption& option) { return name == QLatin1String(option.name); });
    return found == syntax.options.end() ? nullptr : &*found;
}

} // namespace

CliArguments::CliArguments(const QStringList& args, const CliSyntax& syntax)
{
    for (qsizetype i = 0; i < args.size() && ok(); ++i)
        take(syntax, args, i);
    if (ok())
        checkComplete(syntax);
}

void CliArguments::take(const CliSyntax& syntax, const QStringList& args, qsizetype& i)
{
    const QString& arg = args[i];
    if (arg.isEmpty()) {
        fail(QStringLiteral("empty argument ''"));
    } else if (!isOption(arg)) {
        if (m_positionals.size() < static_cast<qsizetype>(syntax.positionals.size()))
            m_positionals << arg;
        else
            fail(QStringLiteral("unexpected argument '%1'").arg(DisplayPath(arg)));
    } else {
        takeOption(syntax, args, i);
    }
}

void CliArguments::takeOption(const CliSyntax& syntax, const QStringList& args, qsizetype& i)
{
    const QString& arg = args[i];
    const qsizetype equals = arg.indexOf(QLatin1Char('='));
    const bool inlineValue = equals > 0;
    const QString name = inlineValue ? arg.left(equals) : arg;
    const CliOption* option = findOption(syntax, name);
    if (m_values.contains(name) && !(option && option->repeatable)) {
        fail(QStringLiteral("%1 given twice").arg(DisplayPath(name)));
    } else if (option && option->isFlag() && !inlineValue) {
        m_values.insert(name, QString());
    } else if (option && !option->isFlag()) {
        if (inlineValue)
            m_values.insert(name, arg.mid(equals + 1));
        else
            takeValue(args, i, name);
        if (ok() && m_values.value(name).isEmpty())
            fail(QStringLiteral("%1 needs a value, not an empty one").arg(name));
        if (ok() && option->repeatable)
            m_repeated[name] << m_values.value(name);
    } else {
        fail(QStringLiteral("unknown option '%1'").arg(DisplayPath(arg)));
    }
}

// The argument after the option, unless there is none or it is another
// option: then the value was forgotten, and the option after must not be
// taken for it.
void CliArguments::takeValue(const QStringList& args, qsizetype& i, const QString& name)
{
    if (i + 1 >= args.size() || isOption(args[i + 1]))
        fail(QStringLiteral("%1 needs a value").arg(name));
    else
        m_values.insert(name, args[++i]);
}

// Required options in the order the syntax lists them, then the positionals.
void CliArguments::checkComplete(const CliSyntax& syntax)
{
    for (const CliOption& option : syntax.options) {
        if (option.required && !has(QLatin1String(option.name))) {
            fail(QStringLiteral("%1 %2 is required")
                     .arg(QLatin1String(option.name), QLatin1String(option.valueName)));
            return;
        }
    }
    const auto given = static_cast<std::size_t>(m_positionals.size());
    const bool leftOut = syntax.positionalsOptional && given == 0;
    if (given < syntax.positionals.size() && !leftOut) {
        fail(syntax.missingPositionals
                 ? QString::fromUtf8(syntax.missingPositionals)
                 : QStringLiteral("%1 is required").arg(QLatin1String(syntax.positionals[given])));
    }
}

void CliArguments::fail(const QString& text)
{
    m_error = text;
}

QString CliArguments::count(const QString& name, int& out) const
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
