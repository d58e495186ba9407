#pragma once

#include "cli/transfer_command.h"
#include "image/radio_image.h"

#include <QString>

class SystemPorts;

// What write does around the transfer itself to keep what was in the radio.

// Prints on standard output what writing image changes in a radio that holds
// the channel file at againstPath, or "No changes." false when the file
// cannot be read (the error is printed) or the changes cannot be printed.
[[nodiscard]] bool PrintWriteChanges(const QString& againstPath, const RadioImage& image);

// Whether image may be written as far as its values go: an image holding
// values no radio of its model can hold is refused, the first of them printed
// on standard error, unless yes (--yes) lets it go on with them printed as a
// warning. name: the file as the user named it.
[[nodiscard]] bool MayWriteValues(const QString& name, const RadioImage& image, bool yes);

// Reads the radio before the write and keeps what it held as a backup: the
// backup's path, or empty, with the reason printed, when the read or the
// backup failed and the write must not start. status is the read's exit status.
[[nodiscard]] QString BackUpBeforeWrite(SystemPorts& ports, const TransferOptions& options, int& status);

// Reads the radio back after a completed write and compares the blocks a
// write sends: "Verified." on standard output, or "Verify failed" with the
// blocks on standard error. The exit status.
[[nodiscard]] int VerifyWrite(SystemPorts& ports, const TransferOptions& options, const RadioImage& written);

// After a write that left the radio partly written: where its memory from
// before the write is and the command that writes it back.
void PrintRestoreCommand(const TransferOptions& options, const QString& backupPath);
