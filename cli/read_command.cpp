#include "cli_command.h"
#include "transfer_command.h"

#include "channel_io.h"

namespace {

int runRead(const QStringList& args)
{
    TransferOptions options;
    QString error;
    if (!ParseTransferOptions(args, QStringLiteral("--output"), options, error)) {
        PrintError(error);
        return kExitUsage;
    }
    RadioImage image;
    const int status = RunTransfer(options, TransferDirection::Read, image, BandLimits{});
    if (status != kExitCompleted)
        return status;
    // Only a completed read reaches the file, and the file is replaced whole.
    const FileStatus saved = WriteChannel(options.file, image);
    if (!saved.ok()) {
        PrintError(QStringLiteral("%1 %2").arg(saved.text(), saved.detail()));
        return kExitFailed;
    }
    return kExitCompleted;
}

CliRegistration reg({10, "read",
                     "  read --port PORT --output FILE.sin [--retries N] [--yes] [--trace FILE]\n"
                     "      Reads the radio's memory into FILE.sin (\"-\": standard output). The file\n"
                     "      is written, whole, only when the read has completed; otherwise it is not\n"
                     "      created or touched.",
                     runRead});

} // namespace
