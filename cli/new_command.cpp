// hmprog-cli new --output FILE.sin: what File New followed at once by File
// Save writes. The form is stored before the save, so the file is the reset
// image as the form encodes it, not the reset image itself.

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/form_file.h"

#include "form/form_load.h"

#include <cstdio>

namespace {

int runNew(const QStringList& args)
{
    const CliOptions parsed(args, {QStringLiteral("--output")}, {});
    if (!parsed.ok()) {
        std::fprintf(stderr, "hmprog-cli new: %s\n", qPrintable(parsed.error()));
        return kExitUsage;
    }
    const QString output = parsed.value(QStringLiteral("--output"));
    if (output.isEmpty()) {
        std::fprintf(stderr, "hmprog-cli new: --output FILE.sin is required\n");
        return kExitUsage;
    }

    RadioImage image;
    image.ResetToDefaults();
    FormRecord form = FreshFormRecord();
    int appliedModel = kNoModelApplied;
    LoadFormFromImage(image, form, appliedModel);
    const FileStatus status = SaveForm(output, form, image);
    if (!status.ok()) {
        PrintFileError(status);
        return kExitFailed;
    }
    return kExitCompleted;
}

CliRegistration reg({50, "new", "  new --output FILE.sin\n"
                    "      Writes what File New followed at once by File Save writes.",
                    runNew});

} // namespace
