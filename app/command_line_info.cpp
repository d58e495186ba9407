#include "command_line_info.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CommandLine", text);
}

bool IsPrintSwitch(const QString& argument)
{
    return argument == QLatin1String("--print") || argument.compare(QLatin1String("/p"), Qt::CaseInsensitive) == 0
        || argument.compare(QLatin1String("-p"), Qt::CaseInsensitive) == 0;
}

// A single "/" starts an absolute path here, so only "-" marks an option.
bool IsOption(const QString& argument)
{
    return argument.size() > 1 && argument.startsWith(u'-');
}

} // namespace

CCommandLineInfo ParseCommandLine(const QStringList& arguments)
{
    CCommandLineInfo info;
    bool print = false;
    for (const QString& argument : arguments) {
        if (IsPrintSwitch(argument)) {
            print = true;
        } else if (IsOption(argument)) {
            info.m_nShellCommand = CCommandLineInfo::Invalid;
            info.m_strError = tr("unknown option %1").arg(argument);
            return info;
        } else if (info.m_strFileName.isEmpty()) {
            info.m_strFileName = argument;
        }
    }
    if (print && info.m_strFileName.isEmpty()) {
        info.m_nShellCommand = CCommandLineInfo::Invalid;
        info.m_strError = tr("the print switch needs the file to print");
    } else if (print) {
        info.m_nShellCommand = CCommandLineInfo::FilePrint;
    } else if (!info.m_strFileName.isEmpty()) {
        info.m_nShellCommand = CCommandLineInfo::FileOpen;
    }
    return info;
}

QString CommandLinePath(const QString& argument)
{
    QString path = argument.startsWith(u'"') ? argument.mid(1) : argument;
    const qsizetype lastQuote = path.lastIndexOf(u'"');
    if (lastQuote >= 0)
        path.truncate(lastQuote);
    return path;
}
