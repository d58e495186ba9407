// hmprog-cli resave IN.sin OUT.sin: what the desktop program writes when it
// is started with IN.sin and the file is saved at once as OUT.sin.

#include "cli/cli_command.h"
#include "cli/form_file.h"

namespace {

const char* const kPositionals[] = {"IN.sin", "OUT.sin"};
const CliFile kPositionalFiles[] = {CliFile::Read, CliFile::Written};

int runResave(const CliArguments& args)
{
    CliForm form;
    FileStatus status = OpenForm(args.positionals()[0], form);
    if (status.ok())
        status = SaveForm(args.positionals()[1], form);
    if (!status.ok()) {
        PrintFileError(status);
        return kExitFailed;
    }
    return kExitCompleted;
}

} // namespace

const CliCommand kResaveCommand = {
    .name = "resave",
    .syntax = {.positionals = kPositionals,
               .missingPositionals = "give IN.sin and OUT.sin",
               .positionalFiles = kPositionalFiles},
    .description = "      Writes what the desktop program saves as OUT.sin when it is started\n"
                   "      with IN.sin. \"-\" reads standard input or writes standard output.",
    .run = runResave,
    .namedInUsageErrors = true,
};
