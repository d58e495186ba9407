#include "cli_command.h"
#include "transfer_command.h"

#include "channel_io.h"
#include "print_error.h"
#include "write_safety.h"

#include "port/system_ports.h"

namespace {

const CliOption kOptions[] = {
    {"--port", "PORT", true},
    {"--input", "FILE.sin", true, CliFile::Read},
    {"--retries", "N"},
    {"--yes"},
    {"--trace", "FILE", false, CliFile::Written},
    {"--backup"},
    {"--against", "BACKUP.sin", false, CliFile::Read},
    {"--dry-run"},
    {"--verify"},
    {"--keep-radio-data"},
};

// The transfers of one write: the optional read before it, the write, and
// the optional read back, all on the same port.
int writeSafely(const CliArguments& args, const TransferOptions& options, const RadioImage& file, BandLimits band)
{
    SystemPorts ports(SystemPorts::SimulatedTime::Virtual);
    const WriteSafetyOptions safety{.backUp = args.has(QStringLiteral("--backup")),
                                    .keepRadioData = args.has(QStringLiteral("--keep-radio-data")),
                                    .verify = args.has(QStringLiteral("--verify"))};
    return WriteWithSafety(ports, options, safety, file, band);
}

int runWrite(const CliArguments& args)
{
    TransferOptions options;
    QString error;
    if (!ParseTransferOptions(args, QStringLiteral("--input"), options, error)) {
        PrintError(error);
        return kExitUsage;
    }
    RadioImage image;
    const FileStatus loaded = ReadChannel(options.file, image);
    if (!loaded.ok()) {
        PrintFileError(loaded);
        return kExitFailed;
    }
    BandLimits band;
    if (!BandOfFile(ChannelName(options.file, true), image, band))
        return kExitFailed;
    if (args.has(QStringLiteral("--dry-run")) && !args.has(QStringLiteral("--against"))) {
        PrintError(QStringLiteral("--dry-run needs --against BACKUP.sin"));
        return kExitUsage;
    }
    if (args.has(QStringLiteral("--against")) && !PrintWriteChanges(args.value(QStringLiteral("--against")), image))
        return kExitFailed;
    if (args.has(QStringLiteral("--dry-run")))
        return kExitCompleted;
    return writeSafely(args, options, image, band);
}

} // namespace

const CliCommand kWriteCommand = {
    .name = "write",
    .syntax = {.options = kOptions},
    .description = "      Writes FILE.sin (\"-\": standard input) to the radio as it is. The band\n"
                   "      checked against the radio's range is that of the file's model byte:\n"
                   "      0x37 136-174MHz, 0x38 400-520MHz.\n"
                   "      --backup      read the radio first and keep what it holds as a backup\n"
                   "                    (one read more, about 2.5 s); if that read fails nothing\n"
                   "                    is written. A write that then stops part way prints the\n"
                   "                    command that writes the backup back\n"
                   "      --against BACKUP.sin\n"
                   "                    print what the write changes in a radio holding\n"
                   "                    BACKUP.sin, then write\n"
                   "      --dry-run     with --against: print the changes and write nothing\n"
                   "      --verify      read the radio back after the write and compare the\n"
                   "                    written blocks: \"Verified.\", or \"Verify failed\" with the\n"
                   "                    blocks and fields that differ and exit status 1\n"
                   "      --keep-radio-data\n"
                   "                    read the radio first (kept as a backup) and write the\n"
                   "                    file's channels and settings onto its own memory: what the\n"
                   "                    form does not show (the kill codes and the rest) stays\n"
                   "                    the radio's\n"
                   "\n"
                   "    Read and write:\n"
                   "      PORT          a serial device (/dev/ttyUSB0, ttyUSB0, ./pty, COM3) or \"sim\":\n"
                   "                    a simulated radio in this program with a few channels. A\n"
                   "                    path that exists is opened as given; a bare name is looked\n"
                   "                    for under /dev\n"
                   "      --retries N   answer the \"Communication error\" prompt N times with Retry;\n"
                   "                    after that it is asked on the terminal, or, without one,\n"
                   "                    the transfer has failed\n"
                   "      --yes         answer the software-version prompt with Continue; without it\n"
                   "                    the prompt is asked on the terminal, or, without one, the\n"
                   "                    transfer has failed. For write, also write a file that\n"
                   "                    holds values no radio of its model can hold (a frequency\n"
                   "                    outside the band, a tone not in the list), which is\n"
                   "                    otherwise refused with exit status 1\n"
                   "      --trace FILE  write every byte sent and received, with its time in\n"
                   "                    milliseconds since the port opened, to FILE (for write,\n"
                   "                    the write itself, not the reads of --backup and --verify)\n"
                   "      On a terminal the progress shows on standard error. Ctrl+C, SIGTERM or\n"
                   "      SIGHUP cancels at the next step, closes the port and says how far the\n"
                   "      transfer had got; a write that stops after its first block leaves the\n"
                   "      radio partly written, and says so.",
    .run = runWrite,
    .outputFailed = kExitFailed,
};
