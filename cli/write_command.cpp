#include "cli_command.h"
#include "transfer_command.h"

#include "channel_io.h"
#include "print_error.h"

#include "document/display_path.h"
#include "image/image_layout.h"

namespace {

const CliOption kOptions[] = {
    {"--port", "PORT", true}, {"--input", "FILE.sin", true}, {"--retries", "N"}, {"--yes"}, {"--trace", "FILE"},
};

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
    const std::uint8_t model = image.byte(layout::kModel);
    if (!BandForModelByte(model, band)) {
        PrintError(QStringLiteral("%1: model byte 0x%2 names no model (0x37: 136-174MHz, 0x38: 400-520MHz)")
                       .arg(DisplayPath(ChannelName(options.file, true)))
                       .arg(model, 2, 16, QLatin1Char('0')));
        return kExitFailed;
    }
    return RunTransfer(options, TransferDirection::Write, image, band);
}

} // namespace

const CliCommand kWriteCommand = {
    .name = "write",
    .syntax = {.options = kOptions},
    .description = "      Writes FILE.sin (\"-\": standard input) to the radio as it is. The band\n"
                   "      checked against the radio's range is that of the file's model byte:\n"
                   "      0x37 136-174MHz, 0x38 400-520MHz.\n"
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
                   "                    transfer has failed\n"
                   "      --trace FILE  write every byte sent and received, with its time in\n"
                   "                    milliseconds since the port opened, to FILE\n"
                   "      On a terminal the progress shows on standard error. Ctrl+C, SIGTERM or\n"
                   "      SIGHUP cancels at the next step, closes the port and says how far the\n"
                   "      transfer had got; a write that stops after its first block leaves the\n"
                   "      radio partly written, and says so.",
    .run = runWrite,
};
