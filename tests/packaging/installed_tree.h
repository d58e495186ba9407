#pragma once

// The build installed into a temporary prefix, once for the test run, and
// the tools run against what it installed.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <ostream>

struct ToolRun {
    int exitCode = -1; // -1: did not start, crashed or timed out
    QString output;
    QString errors;
};

// program with args, environment extra on top of this process's.
[[nodiscard]] ToolRun RunTool(const QString& program, const QStringList& args,
                              const QProcessEnvironment& extra = {}, const QString& input = {});

// The prefix `cmake --install` filled, or empty when the install failed;
// InstallLog says what it printed.
[[nodiscard]] QString InstalledPrefix();
[[nodiscard]] QString InstallLog();

// Every regular file under the prefix, relative to it, sorted.
[[nodiscard]] QStringList InstalledFiles();

// A manual rendered as man shows it to a reader MANWIDTH columns wide.
[[nodiscard]] ToolRun RenderManual(const QString& relativePath, int width);

// Texts in the failures of the tests, as they read.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& lines, std::ostream* out)
{
    *out << "{\n" << lines.join(QLatin1Char('\n')).toStdString() << "\n}";
}
