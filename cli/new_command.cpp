// hmprog-cli new --output FILE.sin: what File New followed at once by File
// Save writes. The form is stored before the save, so the file is the reset
// image as the form encodes it, not the reset image itself.

#include "cli/cli_command.h"
#include "cli/form_file.h"

#include "editor/form_load.h"

#include <cstdio>

namespace {

int runNew(const QStringList& args)
{
    QString output;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--output") && i + 1 < args.size() && output.isEmpty()) {
            output = args[++i];
        } else if (arg.startsWith(QLatin1String("--output=")) && output.isEmpty()) {
            output = arg.mid(static_cast<int>(qstrlen("--output=")));
        } else {
            std::fprintf(stderr, "hmprog-cli new: unexpected argument '%s'\n", qPrintable(arg));
            return kExitUsage;
        }
    }
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
