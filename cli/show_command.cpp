// hmprog-cli show FILE.sin [--json]: the settings and the 16 channel rows as
// the desktop form shows them after opening the file.

#include "cli/cli_command.h"
#include "cli/form_file.h"
#include "cli/form_report.h"
#include "document/display_path.h"

#include <cstdio>

namespace {

int runShow(const QStringList& args)
{
    QString path;
    bool json = false;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--json") && !json) {
            json = true;
        } else if (!arg.isEmpty() && !arg.startsWith(QLatin1String("--")) && path.isEmpty()) {
            path = arg;
        } else {
            std::fprintf(stderr, "hmprog-cli show: unexpected argument '%s'\n", qPrintable(DisplayPath(arg)));
            return kExitUsage;
        }
    }
    if (path.isEmpty()) {
        std::fprintf(stderr, "hmprog-cli show: no channel file given\n");
        return kExitUsage;
    }

    RadioImage image;
    FormRecord form;
    const FileStatus status = OpenForm(path, image, form);
    if (!status.ok()) {
        PrintFileError(status);
        return kExitFailed;
    }
    const QByteArray out = json ? FormJson(form) : FormTable(form).toUtf8();
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
    return kExitCompleted;
}

CliRegistration reg({40, "show", "  show FILE.sin [--json]\n"
                     "      Prints the settings and the 16 channel rows as the form shows them\n"
                     "      after opening FILE.sin (\"-\": standard input): a text table, or JSON\n"
                     "      with --json.",
                     runShow});

} // namespace
