#include "cli/same_file.h"

#include "document/display_path.h"
#include "document/path_bytes.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

// One file argument: what names it ("--output", "IN.csv") and its value.
struct FileArgument {
    QString label;
    QString path;
    CliFile use = CliFile::None;
};

std::vector<FileArgument> fileArguments(const CliArguments& args, const CliSyntax& syntax)
{
    std::vector<FileArgument> files;
    const auto given = static_cast<std::size_t>(args.positionals().size());
    for (std::size_t i = 0; i < given && i < syntax.positionalFiles.size(); ++i) {
        if (syntax.positionalFiles[i] != CliFile::None)
            files.push_back({QLatin1String(syntax.positionals[i]), args.positionals().at(static_cast<qsizetype>(i)),
                             syntax.positionalFiles[i]});
    }
    for (const CliOption& option : syntax.options) {
        const QString name = QLatin1String(option.name);
        if (option.file != CliFile::None && args.has(name))
            files.push_back({name, args.value(name), option.file});
    }
    return files;
}

bool isStandardStream(const FileArgument& file)
{
    return file.path == QLatin1String("-");
}

fs::path pathOf(const QString& argument)
{
    return fs::path(PathBytes(argument).toStdString());
}

// Two names of one regular file, found by device and inode after following
// links; or, before the file exists, one path once the folders on the way
// are resolved. Devices, folders and FIFOs are left to the checks of their
// own: they are never replaced.
bool sameFile(const QString& a, const QString& b)
{
    std::error_code error;
    const fs::file_status first = fs::status(pathOf(a), error);
    const fs::file_status second = fs::status(pathOf(b), error);
    if (fs::is_regular_file(first) && fs::is_regular_file(second))
        return fs::equivalent(pathOf(a), pathOf(b), error);
    if (fs::exists(first) || fs::exists(second))
        return false;
    const fs::path resolvedA = fs::weakly_canonical(fs::absolute(pathOf(a), error), error);
    const fs::path resolvedB = fs::weakly_canonical(fs::absolute(pathOf(b), error), error);
    return !error && resolvedA == resolvedB;
}

QString named(const FileArgument& file)
{
    return QStringLiteral("%1 %2").arg(file.label, DisplayPath(file.path));
}

QString standardInputTwice(const std::vector<FileArgument>& files)
{
    const FileArgument* first = nullptr;
    for (const FileArgument& file : files) {
        if (file.use != CliFile::Read || !isStandardStream(file))
            continue;
        if (first)
            return QStringLiteral("%1 and %2 are both standard input (\"-\"), which can be read only once")
                .arg(first->label, file.label);
        first = &file;
    }
    return QString();
}

QString outputClash(const FileArgument& output, const FileArgument& other, const char* updatedInPlace)
{
    if (isStandardStream(output) || isStandardStream(other) || !sameFile(output.path, other.path))
        return QString();
    if (other.use == CliFile::Read && updatedInPlace && other.label == QLatin1String(updatedInPlace))
        return QString();
    const QString consequence = other.use == CliFile::Read ? QStringLiteral("the output would replace the input")
                                                           : QStringLiteral("one output would replace the other");
    return QStringLiteral("%1 and %2 are the same file: %3").arg(named(other), named(output), consequence);
}

} // namespace

QString FileArgumentsClash(const CliArguments& args, const CliSyntax& syntax)
{
    const std::vector<FileArgument> files = fileArguments(args, syntax);
    if (const QString twice = standardInputTwice(files); !twice.isEmpty())
        return twice;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].use != CliFile::Written)
            continue;
        for (std::size_t j = 0; j < files.size(); ++j) {
            const bool checkedAlready = j > i && files[j].use == CliFile::Written;
            if (j == i || checkedAlready)
                continue;
            if (const QString clash = outputClash(files[i], files[j], syntax.updatedInPlace); !clash.isEmpty())
                return clash;
        }
    }
    return QString();
}
