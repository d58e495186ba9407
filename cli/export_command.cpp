// hmprog-cli export IN.sin OUT.csv [--standard-columns]: the channels in use
// as a channel list other programming tools and spreadsheets read, as the
// desktop program exports them right after opening IN.sin.

#include "cli/channel_io.h"
#include "cli/cli_command.h"
#include "cli/form_file.h"

#include "exchange/channel_csv.h"

namespace {

const char* const kPositionals[] = {"IN.sin", "OUT.csv"};
const CliFile kPositionalFiles[] = {CliFile::Read, CliFile::Written};
const CliOption kOptions[] = {{"--standard-columns"}};

int runExport(const CliArguments& args)
{
    const QString output = args.positionals()[1];
    CliForm form;
    FileStatus status = OpenForm(args.positionals()[0], form);
    if (status.ok()) {
        const ExportOptions options{.standardColumns = args.has(QStringLiteral("--standard-columns"))};
        const std::string csv = ExportChannelsCsv(form.session.Store(), options);
        status = WriteChannelList(output, QByteArray::fromStdString(csv));
    }
    if (!status.ok()) {
        PrintFileError(status);
        return kExitFailed;
    }
    return kExitCompleted;
}

} // namespace

const CliCommand kExportCommand = {
    .name = "export",
    .syntax = {.positionals = kPositionals,
               .options = kOptions,
               .missingPositionals = "give IN.sin and OUT.csv",
               .positionalFiles = kPositionalFiles},
    .description = "      Writes the channels in use of IN.sin as a CSV channel list, in the\n"
                   "      columns other programming tools read and then Busy; --standard-columns\n"
                   "      leaves Busy out for tools that refuse unknown columns.",
    .run = runExport,
    .namedInUsageErrors = true,
};
