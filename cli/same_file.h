#pragma once

#include "cli/cli_options.h"

#include <QString>

// The files a sub-command's arguments name, checked before any is opened: an
// output that is one of the inputs (by path, symbolic link or hard link) or
// another output, and standard input ("-") named for two inputs. Empty when
// they fit, else the usage error naming both arguments.
[[nodiscard]] QString FileArgumentsClash(const CliArguments& args, const CliSyntax& syntax);
