#pragma once

#include "cli/cli_options.h"
#include "image/radio_image.h"
#include "link/identification.h"
#include "link/port_target.h"
#include "link/transfer_types.h"

#include <QString>

#include <functional>
#include <string>

// What read and write share: the port, the prompts' answers and the trace.
struct TransferOptions {
    QString port;
    QString file;
    QString tracePath;
    int retries = 0;
    bool yes = false;
    // A read that checks a completed write, not one that fills a file.
    bool checksWrite = false;
};

// The options of read (fileOption "--output") or write ("--input"), whose
// syntax has been checked. false, with the reason in error, on a usage error.
[[nodiscard]] bool ParseTransferOptions(const CliArguments& args, const QString& fileOption,
                                        TransferOptions& options, QString& error);

// What a transfer opens for --port: a device as given or under /dev, or the
// simulated radio for "sim".
[[nodiscard]] PortTarget TransferTarget(const QString& port);

// "Could not open the port", the reason (failureText of the port as the user
// should read it) and what keeps the device from working.
void PrintOpenFailure(const QString& portOption, const PortTarget& target,
                      const std::function<std::string(const std::string&)>& failureText);

// The band of the file's model byte, which the radio's range is checked
// against; false, with the reason printed, for a byte that names no model.
// name: the file as the user named it.
[[nodiscard]] bool BandOfFile(const QString& name, const RadioImage& image, BandLimits& band);

// "cannot write the trace: " and why, for a --trace file that cannot be made.
void PrintTraceFailure(const QString& reason);

class SystemPorts;

// How a transfer ended: the exit status, whether a write stopped with blocks
// already in the radio, and the engine's result.
struct TransferOutcome {
    int status = 0;
    bool partlyWritten = false;
    TransferResult result{TransferResult::Failed};
};

// Opens the port (a device, or "sim" for a simulated radio in this process),
// runs the transfer on image and returns the exit status.
int RunTransfer(const TransferOptions& options, TransferDirection direction, RadioImage& image, BandLimits band);

// The same on ports that outlive it, so that several transfers in one command
// reach the same simulated radio.
[[nodiscard]] TransferOutcome RunTransferOn(SystemPorts& ports, const TransferOptions& options,
                                            TransferDirection direction, RadioImage& image, BandLimits band);
