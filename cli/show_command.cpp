// hmprog-cli show FILE.sin [--json]: the settings and the 16 channel rows as
// the desktop form shows them after opening the file.

#include "cli/cli_command.h"
#include "cli/form_file.h"
#include "cli/form_report.h"
#include "cli/standard_output.h"

namespace {

const char* const kPositionals[] = {"FILE.sin"};
const CliFile kPositionalFiles[] = {CliFile::Read};
const CliOption kOptions[] = {{"--json"}};

int runShow(const CliArguments& args)
{
    const QString path = args.positionals().front();
    const bool json = args.has(QStringLiteral("--json"));
    CliForm form;
    const FileStatus status = OpenForm(path, form);
    if (!status.ok()) {
        PrintFileError(status);
        return kExitFailed;
    }
    const std::string out = json ? FormJson(form.form).toStdString() : form.session.ShowTable();
    static_cast<void>(PrintToStandardOutput(out));
    return kExitCompleted;
}

} // namespace

const CliCommand kShowCommand = {
    .name = "show",
    .syntax = {.positionals = kPositionals,
               .options = kOptions,
               .missingPositionals = "no channel file given",
               .positionalFiles = kPositionalFiles},
    .description = "      Prints the settings and the 16 channel rows as the form shows them\n"
                   "      after opening FILE.sin (\"-\": standard input): a text table, or JSON\n"
                   "      with --json.",
    .run = runShow,
    .namedInUsageErrors = true,
};
