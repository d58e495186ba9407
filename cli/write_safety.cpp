#include "cli/write_safety.h"

#include "cli/channel_io.h"
#include "cli/cli_command.h"
#include "cli/print_error.h"
#include "cli/read_backup.h"
#include "cli/standard_output.h"

#include "document/display_path.h"
#include "form/image_changes.h"
#include "form/impossible_values.h"
#include "form/write_verify.h"
#include "image/text_fill.h"
#include "port/system_ports.h"

#include <cstdio>

namespace {

// The extra reads of a write are not traced: the trace holds the write.
TransferOptions untraced(TransferOptions options)
{
    options.tracePath.clear();
    return options;
}

bool printOut(const std::string& text)
{
    return PrintToStandardOutput(text) && FlushStandardOutput();
}

} // namespace

bool PrintWriteChanges(const QString& againstPath, const RadioImage& image)
{
    RadioImage radio;
    const FileStatus loaded = ReadChannel(againstPath, radio);
    if (!loaded.ok()) {
        PrintFileError(loaded);
        return false;
    }
    const std::vector<ImageChange> changes = CompareImages(radio, image);
    // Changes that could not be shown are not written unseen.
    return printOut(changes.empty() ? std::string("No changes.\n") : ChangesText(changes));
}

bool MayWriteValues(const QString& name, const RadioImage& image, bool yes)
{
    const std::vector<ImpossibleValue> found = FindImpossibleValues(image);
    if (found.empty())
        return true;
    QString text = QStringLiteral("%1 holds values that no radio of its model can hold:").arg(DisplayPath(name));
    for (const ImpossibleValue& value : found)
        text += QStringLiteral("\n  ") + QString::fromStdString(FillText(value));
    text += yes ? QStringLiteral("\nWriting it as --yes asks.") : QStringLiteral("\nNothing was written; --yes writes it anyway.");
    PrintError(yes ? QStringLiteral("warning: ") + text : text);
    return yes;
}

QString BackUpBeforeWrite(SystemPorts& ports, const TransferOptions& options, int& status)
{
    RadioImage radio;
    status = RunTransferOn(ports, untraced(options), TransferDirection::Read, radio, BandLimits{}).status;
    if (status != kExitCompleted) {
        PrintError(QString::fromUtf8(kNotReadBeforeWrite));
        return {};
    }
    const QString path = KeepReadBackup(radio);
    if (path.isEmpty()) {
        PrintError(QString::fromUtf8(kNoBackupBeforeWrite));
        status = kExitFailed;
    }
    return path;
}

int VerifyWrite(SystemPorts& ports, const TransferOptions& options, const RadioImage& written)
{
    RadioImage readBack;
    TransferOptions check = untraced(options);
    check.checksWrite = true;
    const int status = RunTransferOn(ports, check, TransferDirection::Read, readBack, BandLimits{}).status;
    if (status != kExitCompleted) {
        // An interrupted check has said already that the write completed.
        if (status != kExitCancelled)
            PrintError(QStringLiteral("The radio could not be read back; the write was not verified."));
        return status;
    }
    const std::vector<BlockMismatch> mismatches = VerifyWrittenBlocks(written, readBack);
    if (mismatches.empty()) {
        static_cast<void>(printOut(VerifyText(mismatches)));
        return kExitCompleted;
    }
    std::fputs(VerifyText(mismatches).c_str(), stderr);
    return kExitFailed;
}

void PrintRestoreCommand(const TransferOptions& options, const QString& backupPath)
{
    PrintError(QStringLiteral("What the radio held before this write is kept in %1. To write it back:")
                   .arg(DisplayPath(backupPath)));
    std::fprintf(stderr, "  hmprog-cli write --port %s --input %s\n", qPrintable(ShellQuoted(options.port)),
                 qPrintable(ShellQuoted(backupPath)));
}
