#include "cli/cli_usage.h"

namespace {

constexpr qsizetype kWidth = 80;
constexpr QLatin1String kContinuation("      ");

QString optionText(const CliOption& option)
{
    QString text = QLatin1String(option.name);
    if (!option.isFlag())
        text += QLatin1Char(' ') + QLatin1String(option.valueName);
    if (option.repeatable)
        text += QStringLiteral(" ...");
    return option.required ? text : QLatin1Char('[') + text + QLatin1Char(']');
}

// What follows the sub-command's name: its positionals, then its options.
QStringList synopsisWords(const CliCommand& command)
{
    QStringList words;
    for (const char* positional : command.syntax.positionals) {
        const QString word = QLatin1String(positional);
        words << (command.syntax.positionalsOptional ? QLatin1Char('[') + word + QLatin1Char(']') : word);
    }
    for (const CliOption& option : command.syntax.options)
        words << optionText(option);
    return words;
}

} // namespace

QString CommandUsage(const CliCommand& command)
{
    QString usage = QStringLiteral("  ") + QLatin1String(command.name);
    qsizetype lineStart = 0;
    for (const QString& word : synopsisWords(command)) {
        if (usage.size() - lineStart + 1 + word.size() > kWidth) {
            usage += QLatin1Char('\n');
            lineStart = usage.size();
            usage += kContinuation;
        } else {
            usage += QLatin1Char(' ');
        }
        usage += word;
    }
    return usage + QLatin1Char('\n') + QString::fromUtf8(command.description);
}
