#pragma once

#include "cli/transfer_command.h"
#include "image/radio_image.h"

#include <QString>

class SystemPorts;

// write --keep-radio-data: reads the radio before the write and puts the
// file's form (channels, settings, PTT ID Code) onto what it holds, so that
// the kill codes and every other byte the form does not show stay the
// radio's. The read is kept as a backup, as every completed read is; with
// mustBackUp (--backup) a backup that cannot be kept stops the write.
// false, with the reason printed and the exit status in status, when
// nothing may be written.
[[nodiscard]] bool PutFileOntoRadio(SystemPorts& ports, const TransferOptions& options, bool mustBackUp,
                                    RadioImage& image, QString& backupPath, int& status);
