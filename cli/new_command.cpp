// hmprog-cli new --output FILE.sin: what File New followed at once by File
// Save writes. The form is stored before the save, so the file is the reset
// image as the form encodes it, not the reset image itself.

#include "cli/cli_command.h"
#include "cli/form_file.h"

namespace {

const CliOption kOptions[] = {{"--output", "FILE.sin", true, CliFile::Written}};

int runNew(const CliArguments& args)
{
    const QString output = args.value(QStringLiteral("--output"));
    CliForm form;
    form.session.NewForm();
    const FileStatus status = SaveForm(output, form);
    if (!status.ok()) {
        PrintFileError(status);
        return kExitFailed;
    }
    return kExitCompleted;
}

} // namespace

const CliCommand kNewCommand = {
    .name = "new",
    .syntax = {.options = kOptions},
    .description = "      Writes what File New followed at once by File Save writes.",
    .run = runNew,
    .namedInUsageErrors = true,
};
