#include "installed_tree.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr int kToolTimeoutMs = 120000;

struct Installation {
    QTemporaryDir prefix;
    ToolRun install;

    Installation()
    {
        install = RunTool(QStringLiteral(HMPROG_CMAKE),
                          {QStringLiteral("--install"), QStringLiteral(HMPROG_BUILD_DIR), QStringLiteral("--prefix"),
                           prefix.path()});
    }
};

Installation& installation()
{
    static Installation once;
    return once;
}

} // namespace

ToolRun RunTool(const QString& program, const QStringList& args, const QProcessEnvironment& extra,
                const QString& input)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The installed programs are the sanitized build's; their leak report
    // would be the test's output, not the tool's.
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    env.insert(extra);
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForStarted())
        return {-1, {}, process.errorString()};
    process.write(input.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QString InstalledPrefix()
{
    const Installation& done = installation();
    return done.install.exitCode == 0 ? done.prefix.path() : QString();
}

QString InstallLog()
{
    const ToolRun& install = installation().install;
    return install.output + install.errors;
}

QStringList InstalledFiles()
{
    const QString prefix = InstalledPrefix();
    if (prefix.isEmpty())
        return {};
    QStringList files;
    QDirIterator it(prefix, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(prefix).relativeFilePath(it.next());
    files.sort();
    return files;
}

ToolRun RenderManual(const QString& relativePath, int width)
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("MANWIDTH"), QString::number(width));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return RunTool(QStringLiteral("man"),
                   {QStringLiteral("--warnings"), QStringLiteral("-l"), InstalledPrefix() + QLatin1Char('/') + relativePath},
                   env);
}
