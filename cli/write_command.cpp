#include "cli_command.h"
#include "transfer_command.h"

#include "image/channel_file.h"
#include "image/image_layout.h"

namespace {

int runWrite(const QStringList& args)
{
    TransferOptions options;
    QString error;
    if (!ParseTransferOptions(args, QStringLiteral("--input"), options, error)) {
        PrintError(error);
        return kExitUsage;
    }
    RadioImage image;
    const FileStatus loaded = LoadChannelFile(options.file, image);
    if (!loaded.ok()) {
        PrintError(QStringLiteral("%1 %2").arg(loaded.text(), loaded.detail()));
        return kExitFailed;
    }
    BandLimits band;
    const std::uint8_t model = image.byte(layout::kModel);
    if (!BandForModelByte(model, band)) {
        PrintError(QStringLiteral("%1: model byte 0x%2 names no model (0x37: 136-174MHz, 0x38: 400-520MHz)")
                       .arg(options.file)
                       .arg(model, 2, 16, QLatin1Char('0')));
        return kExitFailed;
    }
    return RunTransfer(options, TransferDirection::Write, image, band);
}

CliRegistration reg({20, "write",
                     "  write --port PORT --input FILE.sin [--retries N] [--yes] [--trace FILE]\n"
                     "      Writes FILE.sin to the radio as it is. The band checked against the\n"
                     "      radio's range is that of the file's model byte: 0x37 136-174MHz,\n"
                     "      0x38 400-520MHz.\n"
                     "\n"
                     "    Read and write:\n"
                     "      PORT          a serial device (/dev/ttyUSB0, /dev/cu.usbserial, COM3) or\n"
                     "                    \"sim\": a simulated radio in this program with a few channels\n"
                     "      --retries N   answer the \"Communication error\" prompt N times with Retry;\n"
                     "                    after that it is asked on the terminal, or, without one,\n"
                     "                    answered Cancel\n"
                     "      --yes         answer the software-version prompt with Continue; without it\n"
                     "                    the prompt is asked on the terminal, or answered Cancel\n"
                     "      --trace FILE  write every byte sent and received, with its time in\n"
                     "                    milliseconds since the port opened, to FILE\n"
                     "      On a terminal the progress shows on standard error. Ctrl+C cancels at\n"
                     "      the next step and closes the port.\n"
                     "      Exit status: 0 completed; 1 failed (the reason on standard error);\n"
                     "      2 usage error; 3 cancelled, or a prompt answered Cancel.",
                     runWrite});

} // namespace
