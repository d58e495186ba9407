#pragma once

#include <QStringList>

#include <vector>

// Exit statuses of hmprog-cli.
enum CliExit {
    kExitCompleted = 0,
    kExitFailed = 1,
    kExitUsage = 2,
    kExitCancelled = 3,
};

// One sub-command: its place in --help, its name, its usage text, and what
// runs it with the arguments that follow its name.
struct CliCommand {
    int order;
    const char* name;
    const char* usage;
    int (*run)(const QStringList& args);
};

// Each sub-command's file registers itself with a static CliRegistration.
std::vector<CliCommand>& CliCommands();

struct CliRegistration {
    explicit CliRegistration(const CliCommand& command) { CliCommands().push_back(command); }
};
