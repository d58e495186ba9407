// hmprog-cli diff A.sin B.sin [--json]: what differs from A to B as the form
// shows it, a row per setting and channel, then the radio data outside the
// form by what it holds. Exit statuses as diff's:
// 0 equal, 1 different, 2 trouble.

#include "cli/channel_io.h"
#include "cli/cli_command.h"
#include "cli/standard_output.h"

#include "form/image_changes.h"

namespace {

constexpr int kDiffEqual = 0;
constexpr int kDiffDifferent = 1;
constexpr int kDiffTrouble = 2;

const char* const kPositionals[] = {"A.sin", "B.sin"};
const CliFile kPositionalFiles[] = {CliFile::Read, CliFile::Read};
const CliOption kOptions[] = {{"--json"}};

int runDiff(const CliArguments& args)
{
    RadioImage images[2];
    for (int i = 0; i < 2; ++i) {
        const FileStatus loaded = ReadChannel(args.positionals().at(i), images[i]);
        if (!loaded.ok()) {
            PrintFileError(loaded);
            return kDiffTrouble;
        }
    }
    const std::vector<ImageChange> changes = CompareImages(images[0], images[1]);
    const std::string out = args.has(QStringLiteral("--json")) ? ChangesJson(changes) : ChangesText(changes);
    static_cast<void>(PrintToStandardOutput(out));
    return changes.empty() ? kDiffEqual : kDiffDifferent;
}

} // namespace

const CliCommand kDiffCommand = {
    .name = "diff",
    .syntax = {.positionals = kPositionals,
               .options = kOptions,
               .missingPositionals = "two channel files needed: A.sin B.sin",
               .positionalFiles = kPositionalFiles},
    .description = "      Prints what differs from A.sin to B.sin as the form shows it: the count\n"
                   "      of changes, then one line each: settings by name, channels by number\n"
                   "      with the whole channel before and after, then the radio data outside\n"
                   "      the form by what it holds (kill codes, a channel's other bytes, the\n"
                   "      rest), whether a radio uses it, and its block addresses and bytes; the\n"
                   "      bytes of empty channels, which no radio uses, on one line at the end.\n"
                   "      JSON with --json. Exit status 0 when equal, 1 when they differ, 2 on\n"
                   "      error.",
    .run = runDiff,
    .namedInUsageErrors = true,
};
