#pragma once

#include "cli/transfer_command.h"
#include "fleet/write_safety_sequence.h"
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

// Writes file into the radio on options' port with what safety asks for
// around it: the values check, the read before (kept as a backup; with
// safety.backUp one that cannot be kept stops the write), the radio's own
// data, the read back. A write that stops part way after a backup prints
// where the backup is and the command that writes it back. The exit status.
[[nodiscard]] int WriteWithSafety(SystemPorts& ports, const TransferOptions& options,
                                  const WriteSafetyOptions& safety, const RadioImage& file, BandLimits band);
