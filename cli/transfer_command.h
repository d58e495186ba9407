#pragma once

#include "cli/cli_options.h"
#include "image/radio_image.h"
#include "link/identification.h"
#include "link/transfer_types.h"

#include <QString>

// What read and write share: the port, the prompts' answers and the trace.
struct TransferOptions {
    QString port;
    QString file;
    QString tracePath;
    int retries = 0;
    bool yes = false;
};

// The options of read (fileOption "--output") or write ("--input"), whose
// syntax has been checked. false, with the reason in error, on a usage error.
[[nodiscard]] bool ParseTransferOptions(const CliArguments& args, const QString& fileOption,
                                        TransferOptions& options, QString& error);

// Opens the port (a device, or "sim" for a simulated radio in this process),
// runs the transfer on image and returns the exit status.
int RunTransfer(const TransferOptions& options, TransferDirection direction, RadioImage& image, BandLimits band);
