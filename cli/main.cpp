#include "cli_command.h"

#include "document/display_path.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

std::vector<CliCommand>& CliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

namespace {

void printHelp(std::FILE* out)
{
    std::fputs("Usage: hmprog-cli COMMAND [OPTIONS]\n"
               "Programs the HM-615V and HM-615U hand-held radios from the command line.\n\n"
               "Commands:\n",
               out);
    std::vector<CliCommand> commands = CliCommands();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand& a, const CliCommand& b) { return a.order < b.order; });
    for (const CliCommand& command : commands)
        std::fprintf(out, "%s\n", command.usage);
    std::fputs("\nA FILE.sin of \"-\" is standard input where a channel file is read, and\n"
               "standard output where one is written: hmprog-cli resave - - < a.sin > b.sin\n"
               "\n"
               "Exit status: 0 completed; 1 failed, the reason on standard error, also when a\n"
               "prompt came up with no terminal to ask it on and no --retries or --yes left to\n"
               "answer it; 2 usage error; 3 cancelled by the user: Ctrl+C, SIGTERM, SIGHUP, or\n"
               "No at a prompt.\n",
               out);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printHelp(stderr);
        return kExitUsage;
    }
    const QString name = args.takeFirst();
    if (name == "--help" || name == "-h" || name == "help") {
        printHelp(stdout);
        return kExitCompleted;
    }
    for (const CliCommand& command : CliCommands()) {
        if (name == QLatin1String(command.name))
            return command.run(args);
    }
    std::fprintf(stderr, "hmprog-cli: unknown command '%s'\n", qPrintable(DisplayPath(name)));
    printHelp(stderr);
    return kExitUsage;
}
