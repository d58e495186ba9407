#include "cli/keep_radio_data.h"

#include "cli/cli_command.h"
#include "cli/print_error.h"
#include "cli/read_backup.h"
#include "cli/standard_output.h"

#include "fleet/radio_data.h"
#include "port/system_ports.h"

bool PutFileOntoRadio(SystemPorts& ports, const TransferOptions& options, bool mustBackUp, RadioImage& image,
                      QString& backupPath, int& status)
{
    TransferOptions read = options;
    read.tracePath.clear();
    RadioImage radio;
    status = RunTransferOn(ports, read, TransferDirection::Read, radio, BandLimits{}).status;
    if (status != kExitCompleted) {
        PrintError(QString::fromUtf8(kNotReadBeforeWrite));
        return false;
    }
    backupPath = KeepReadBackup(radio);
    if (backupPath.isEmpty() && mustBackUp) {
        PrintError(QString::fromUtf8(kNoBackupBeforeWrite));
        status = kExitFailed;
        return false;
    }
    image = FileFormOntoRadio(image, radio);
    static_cast<void>(PrintToStandardOutput("Keeping the radio's own data: writing the file's channels and settings "
                                            "onto what the radio holds.\n"));
    static_cast<void>(FlushStandardOutput());
    return true;
}
