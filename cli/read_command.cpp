#include "cli_command.h"
#include "transfer_command.h"

#include "channel_io.h"
#include "print_error.h"
#include "read_backup.h"

#include "document/channel_file.h"

namespace {

const CliOption kOptions[] = {
    {"--port", "PORT", true},
    {"--output", "FILE.sin", true, CliFile::Written},
    {"--retries", "N"},
    {"--yes"},
    {"--trace", "FILE", false, CliFile::Written},
};

int runRead(const CliArguments& args)
{
    TransferOptions options;
    QString error;
    if (!ParseTransferOptions(args, QStringLiteral("--output"), options, error)) {
        PrintError(error);
        return kExitUsage;
    }
    // A device or FIFO named as the output is refused before the radio is
    // woken up, not after a whole read.
    if (options.file != QLatin1String("-")) {
        const FileStatus writable = CheckChannelFileOutput(options.file);
        if (!writable.ok()) {
            PrintFileError(writable);
            return kExitFailed;
        }
    }
    RadioImage image;
    const int status = RunTransfer(options, TransferDirection::Read, image, BandLimits{});
    if (status != kExitCompleted)
        return status;
    static_cast<void>(KeepReadBackup(image));
    // Only a completed read reaches the file, and the file is replaced whole.
    const FileStatus saved = WriteChannel(options.file, image);
    if (!saved.ok()) {
        PrintFileError(saved);
        return kExitFailed;
    }
    return kExitCompleted;
}

} // namespace

const CliCommand kReadCommand = {
    .name = "read",
    .syntax = {.options = kOptions},
    .description = "      Reads the radio's memory into FILE.sin (\"-\": standard output). The file\n"
                   "      is written, whole, only when the read has completed; otherwise it is not\n"
                   "      created or touched. Every completed read is also kept as a backup in\n"
                   "      $XDG_DATA_HOME/hmprog/backups (~/.local/share/hmprog/backups).",
    .run = runRead,
    .outputFailed = kExitFailed,
};
