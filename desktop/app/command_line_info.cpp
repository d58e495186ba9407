#include "command_line_info.h"

#include <QCoreApplication>

namespace {

// The translation context of this file's texts.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

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
    bool toPdf = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (IsPrintSwitch(argument)) {
            print = true;
        } else if (argument == QLatin1String("--print-to-pdf")) {
            if (i + 1 == arguments.size() || arguments[i + 1].isEmpty()) {
                info.m_nShellCommand = CCommandLineInfo::Invalid;
                info.m_strError = CommandLine::tr("--print-to-pdf needs the PDF to write and the file to print");
                return info;
            }
            toPdf = true;
            info.m_strPdfName = arguments[++i];
        } else if (IsOption(argument)) {
            info.m_nShellCommand = CCommandLineInfo::Invalid;
            info.m_strError = CommandLine::tr("unknown option %1").arg(argument);
            return info;
        } else if (info.m_strFileName.isEmpty()) {
            info.m_strFileName = argument;
        }
    }
    if (print && toPdf) {
        info.m_nShellCommand = CCommandLineInfo::Invalid;
        info.m_strError = CommandLine::tr("--print and --print-to-pdf do not go together");
    } else if ((print || toPdf) && info.m_strFileName.isEmpty()) {
        info.m_nShellCommand = CCommandLineInfo::Invalid;
        info.m_strError = CommandLine::tr("the print switch needs the file to print");
    } else if (toPdf) {
        info.m_nShellCommand = CCommandLineInfo::FilePrintToPdf;
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

bool PrintsWithoutWindow(const QStringList& arguments)
{
    const CCommandLineInfo info = ParseCommandLine(arguments);
    return info.m_nShellCommand == CCommandLineInfo::FilePrint ||
           info.m_nShellCommand == CCommandLineInfo::FilePrintToPdf;
}

bool AsksForVersion(const QStringList& arguments)
{
    return arguments.contains(QLatin1String("--version"));
}
