#pragma once

#include "cli/cli_command.h"

#include <QString>

// The synopsis made from the sub-command's syntax ("  new --output
// FILE.sin"; optional options in brackets, wrapped before 80 columns), then
// its description; no final newline.
QString CommandUsage(const CliCommand& command);
