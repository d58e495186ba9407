// hmprog-cli resave IN.sin OUT.sin: what the desktop program writes when it
// is started with IN.sin and the file is saved at once as OUT.sin.

#include "cli/cli_command.h"
#include "cli/form_file.h"

#include <cstdio>

namespace {

int runResave(const QStringList& args)
{
    const auto isFile = [](const QString& arg) { return !arg.isEmpty() && !arg.startsWith(QLatin1String("--")); };
    if (args.size() != 2 || !isFile(args[0]) || !isFile(args[1])) {
        std::fprintf(stderr, "hmprog-cli resave: give IN.sin and OUT.sin\n");
        return kExitUsage;
    }

    RadioImage image;
    FormRecord form;
    FileStatus status = OpenForm(args[0], image, form);
    if (status.ok())
        status = SaveForm(args[1], form, image);
    if (!status.ok()) {
        PrintFileError(status);
        return kExitFailed;
    }
    return kExitCompleted;
}

CliRegistration reg({60, "resave", "  resave IN.sin OUT.sin\n"
                       "      Writes what the desktop program saves as OUT.sin when it is started\n"
                       "      with IN.sin. \"-\" reads standard input or writes standard output.",
                       runResave});

} // namespace
