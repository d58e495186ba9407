#pragma once

#include "cli/cli_options.h"

// Exit statuses of hmprog-cli.
enum CliExit {
    kExitCompleted = 0,
    kExitFailed = 1,
    kExitUsage = 2,
    kExitCancelled = 3,
};

// One sub-command: its name, what it accepts, the lines --help shows under
// its synopsis, and what runs it once its arguments fit its syntax.
struct CliCommand {
    const char* name;
    CliSyntax syntax;
    const char* description;
    int (*run)(const CliArguments& args);
    // The form's sub-commands say which of them found a usage error
    // ("hmprog-cli new: ..."); read, write and sim do not.
    bool namedInUsageErrors = false;
    // The exit status when what it printed could not be written to standard
    // output (a full disk, a closed pipe).
    int outputFailed = kExitUsage;
};

// Each defined in the file of its own; main lists them.
extern const CliCommand kReadCommand;
extern const CliCommand kWriteCommand;
extern const CliCommand kFleetCommand;
extern const CliCommand kCheckCommand;
extern const CliCommand kSimCommand;
extern const CliCommand kShowCommand;
extern const CliCommand kNewCommand;
extern const CliCommand kResaveCommand;
extern const CliCommand kExportCommand;
extern const CliCommand kImportCommand;
extern const CliCommand kDiffCommand;
extern const CliCommand kPortsCommand;
