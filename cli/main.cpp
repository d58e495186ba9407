#include "cli/cli_command.h"
#include "cli/cli_usage.h"
#include "cli/print_error.h"
#include "cli/same_file.h"
#include "cli/standard_output.h"

#include "document/display_path.h"
#include "document/path_bytes.h"
#include "translations/translations.h"

#include "hmprog_version.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

// Every sub-command, in the order --help lists them.
const CliCommand* const kCommands[] = {
    &kReadCommand, &kWriteCommand, &kFleetCommand, &kCheckCommand, &kSimCommand, &kShowCommand, &kNewCommand, &kResaveCommand, &kDiffCommand,
    &kExportCommand, &kImportCommand, &kPortsCommand,
};

void printHelp(std::FILE* out)
{
    std::fputs("Usage: hmprog-cli COMMAND [OPTIONS]\n"
               "       hmprog-cli --help | --version | COMMAND --help\n"
               "Programs the HM-615V and HM-615U hand-held radios from the command line.\n\n"
               "Commands:\n",
               out);
    for (const CliCommand* command : kCommands)
        std::fprintf(out, "%s\n", qPrintable(CommandUsage(*command)));
    std::fputs("\nA FILE.sin or FILE.csv of \"-\" is standard input where a file is read, and\n"
               "standard output where one is written: hmprog-cli resave - - < a.sin > b.sin\n"
               "No output may be an input or another output, by any name or link; only\n"
               "import --base X --output X and sim --image X --save X update X in place.\n"
               "\n"
               "Exit status (import: as above): 0 completed; 1 failed, the reason on standard\n"
               "error, also when a prompt came up with no terminal to ask it on and no\n"
               "--retries or --yes left to answer it; 2 usage error, or standard output that\n"
               "could not be written (read and write: 1); 3 cancelled by the user: Ctrl+C,\n"
               "SIGTERM, SIGHUP, or No at a prompt. write --verify exits 1 when the\n"
               "radio does not hold what was written; fleet exits 1 unless every radio\n"
               "was written (and verified with --verify); check exits 1 when the two reads\n"
               "differ or one failed; diff exits 0 when the files are equal, 1 when they\n"
               "differ, 2 on error.\n"
               "\n"
               "Every completed read is kept in $XDG_DATA_HOME/hmprog/backups\n"
               "(~/.local/share/hmprog/backups), named by date, time and model.\n",
               out);
}

const CliCommand* findCommand(const QString& name)
{
    for (const CliCommand* command : kCommands) {
        if (name == QLatin1String(command->name))
            return command;
    }
    return nullptr;
}

int runCommand(const CliCommand& command, const QStringList& args)
{
    // "hmprog-cli write --help": that sub-command's part of --help.
    if (args.contains(QStringLiteral("--help"))) {
        std::printf("%s\n", qPrintable(CommandUsage(command)));
        return kExitCompleted;
    }
    const CliArguments parsed(args, command.syntax);
    const QString mistake = parsed.ok() ? FileArgumentsClash(parsed, command.syntax) : parsed.error();
    if (!mistake.isEmpty()) {
        PrintError(mistake, command.namedInUsageErrors ? command.name : nullptr);
        return kExitUsage;
    }
    const int status = command.run(parsed);
    const QString outputFailure = StandardOutputFailure();
    if (outputFailure.isEmpty() || status == kExitCancelled)
        return status;
    PrintError(QStringLiteral("cannot write standard output: %1").arg(outputFailure),
               command.namedInUsageErrors ? command.name : nullptr);
    return command.outputFailed;
}

// The arguments as given: a file name that is not UTF-8 keeps its bytes and
// names the same file, where Qt's own arguments() would decode it into another.
QStringList givenArguments(int argc, char** argv)
{
#if defined(Q_OS_UNIX)
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << PathFromBytes(QByteArray(argv[i]));
    return args;
#else
    static_cast<void>(argc);
    static_cast<void>(argv);
    return QCoreApplication::arguments().mid(1);
#endif
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    InstallTranslations(app);
    QStringList args = givenArguments(argc, argv);
    if (args.isEmpty()) {
        printHelp(stderr);
        return kExitUsage;
    }
    const QString name = args.takeFirst();
    if (name == "--help" || name == "-h" || name == "help") {
        printHelp(stdout);
        return kExitCompleted;
    }
    if (name == "--version") {
        std::puts("hmprog-cli " HMPROG_VERSION);
        return kExitCompleted;
    }
    if (const CliCommand* command = findCommand(name))
        return runCommand(*command, args);
    PrintError(QStringLiteral("unknown command '%1'").arg(DisplayPath(name)));
    printHelp(stderr);
    return kExitUsage;
}
