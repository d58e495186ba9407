// hmprog-cli import: a CSV channel list, or one of the stock channel plans,
// put into a channel file's channels as the desktop program's Import Channels
// puts them into its form, followed by a save.

#include "cli/channel_io.h"
#include "cli/cli_command.h"
#include "cli/form_file.h"
#include "cli/print_error.h"

#include "document/channel_file.h"
#include "document/core_text.h"
#include "document/display_path.h"
#include "exchange/channel_csv.h"
#include "exchange/stock_plans.h"
#include "image/image_layout.h"

#include <QStringList>

#include <cstdio>

namespace {

const char* const kName = "import";
const char* const kPositionals[] = {"IN.csv"};
const CliFile kPositionalFiles[] = {CliFile::Read};
const CliOption kOptions[] = {
    {"--output", "OUT.sin", false, CliFile::Written},
    {"--base", "BASE.sin", false, CliFile::Read},
    {"--renumber"},
    {"--stock", "NAME"},
    {"--list-stock"},
};

// Exit statuses of an import, apart from usage errors.
constexpr int kExitAllLoaded = 0;
constexpr int kExitSomeSkipped = 1;
constexpr int kExitNothingLoaded = 2;

const QString kOutput = QStringLiteral("--output");
const QString kBase = QStringLiteral("--base");
const QString kStock = QStringLiteral("--stock");
const QString kListStock = QStringLiteral("--list-stock");

int usageError(const QString& text)
{
    PrintError(text, kName);
    return kExitUsage;
}

int listStockPlans()
{
    for (const StockPlan& plan : StockPlans()) {
        std::printf("%-12s %-8s %s\n", std::string(plan.name).c_str(), std::string(plan.modelText).c_str(),
                    qPrintable(CoreText(std::string(plan.description))));
    }
    return kExitCompleted;
}

// What the import reads: the named file, or a stock plan's text.
struct ImportSource {
    QByteArray csv;
    const RadioModel* planModel = nullptr;   // the radio a stock plan is for
};

FileStatus readSource(const CliArguments& args, ImportSource& source)
{
    if (!args.has(kStock))
        return ReadChannelList(args.positionals().front(), source.csv);
    const std::optional<StockPlan> plan = StockPlanNamed(args.value(kStock).toStdString());
    source.csv = QByteArray(plan->csv.data(), static_cast<qsizetype>(plan->csv.size()));
    source.planModel = ModelByText(plan->modelText);
    return FileStatus::Ok();
}

// The base as the desktop program shows it: the file opened, or File New
// (with the stock plan's radio chosen in the Model box, when there is one).
FileStatus openBase(const CliArguments& args, const ImportSource& source, CliForm& form)
{
    if (args.has(kBase))
        return OpenForm(args.value(kBase), form);
    form.session.NewForm();
    if (source.planModel != nullptr) {
        form.image.setByte(layout::kModel, source.planModel->modelByte);
        form.session.LoadFresh();
    }
    return FileStatus::Ok();
}

void printLines(const std::vector<std::string>& lines, std::FILE* out)
{
    for (const std::string& line : lines)
        std::fprintf(out, "%s\n", line.c_str());
}

int exitOf(ImportStatus status)
{
    switch (status) {
    case ImportStatus::AllLoaded:
        return kExitAllLoaded;
    case ImportStatus::SomeSkipped:
        return kExitSomeSkipped;
    case ImportStatus::NothingLoaded:
    case ImportStatus::Failed:
        break;
    }
    return kExitNothingLoaded;
}

int fileFailed(const FileStatus& status)
{
    PrintFileError(status);
    return kExitNothingLoaded;
}

// Exactly one of IN.csv and --stock, and where to write; an empty text when
// the arguments fit together.
QString argumentsMisfit(const CliArguments& args)
{
    const bool file = !args.positionals().isEmpty();
    if (file == args.has(kStock))
        return file ? QStringLiteral("give IN.csv or --stock NAME, not both") : QStringLiteral("give IN.csv or --stock NAME");
    if (!args.has(kOutput))
        return QStringLiteral("--output OUT.sin is required");
    if (args.has(kStock) && !StockPlanNamed(args.value(kStock).toStdString()))
        return QStringLiteral("there is no stock plan '%1'; --list-stock lists them").arg(DisplayPath(args.value(kStock)));
    return QString();
}

int runImport(const CliArguments& args)
{
    if (args.has(kListStock)) {
        const bool alone = args.positionals().isEmpty() && !args.has(kOutput) && !args.has(kBase) &&
                           !args.has(kStock) && !args.has(QStringLiteral("--renumber"));
        return alone ? listStockPlans() : usageError(QStringLiteral("--list-stock takes nothing else"));
    }
    if (const QString misfit = argumentsMisfit(args); !misfit.isEmpty())
        return usageError(misfit);

    const QString output = args.value(kOutput);
    const bool toStandardOutput = output == QLatin1String("-");
    if (!toStandardOutput) {
        if (const FileStatus writable = CheckChannelFileOutput(output); !writable.ok())
            return fileFailed(writable);
    }
    ImportSource source;
    if (const FileStatus read = readSource(args, source); !read.ok())
        return fileFailed(read);
    CliForm form;
    if (const FileStatus opened = openBase(args, source, form); !opened.ok())
        return fileFailed(opened);

    ImportOptions options;
    options.renumber = args.has(QStringLiteral("--renumber"));
    const ChannelImport imported = form.session.ImportCsv(
        std::string_view(source.csv.constData(), static_cast<std::size_t>(source.csv.size())), options);
    if (imported.status == ImportStatus::Failed) {
        QStringList lines;
        for (const std::string& line : imported.lines)
            lines << QString::fromStdString(line);
        PrintError(lines.join(u'\n'), kName);
        return kExitNothingLoaded;
    }
    // The image goes to standard output: the report goes beside it. The
    // summary is said only once the rows are in a saved file, or when none
    // could be loaded.
    std::FILE* reportOut = toStandardOutput ? stderr : stdout;
    printLines(imported.lines, reportOut);
    if (imported.Loaded()) {
        if (const FileStatus saved = SaveForm(output, form); !saved.ok())
            return fileFailed(saved);
    }
    printLines({imported.summary}, reportOut);
    return exitOf(imported.status);
}

} // namespace

const CliCommand kImportCommand = {
    .name = kName,
    .syntax = {.positionals = kPositionals,
               .positionalsOptional = true,
               .options = kOptions,
               .positionalFiles = kPositionalFiles,
               .updatedInPlace = "--base"},
    .description =
        "      import IN.csv --output OUT.sin [--base BASE.sin] [--renumber]\n"
        "      import --stock NAME --output OUT.sin [--base BASE.sin] [--renumber]\n"
        "      import --list-stock\n"
        "      Puts the channels of the CSV channel list IN.csv (\"-\": standard input),\n"
        "      or of the stock plan NAME, into BASE.sin (default: what File New shows,\n"
        "      for a stock plan with its radio's model) and writes OUT.sin. Channels\n"
        "      the list does not fill stay as in the base. --renumber puts the rows\n"
        "      into channels 1, 2 ... in file order. The report goes to standard\n"
        "      output (standard error when OUT.sin is \"-\"). --list-stock lists the\n"
        "      stock plans. Exit status: 0 every row loaded, 1 a row skipped, 2\n"
        "      nothing loaded or a file not read or written.",
    .run = runImport,
    .namedInUsageErrors = true,
};
