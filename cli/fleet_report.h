#pragma once

#include "cli/fleet_board.h"
#include "fleet/fleet_log.h"

#include <QString>

#include <vector>

struct FleetPlan;

// Whether the radio got the file, and its read back matched when one was asked for.
[[nodiscard]] bool FleetRadioDone(const FleetRadio& radio);

// The end of a fleet run on standard output: one row per port with its
// cable, its radio, the result, the verify, the backup and the seconds.
void PrintFleetTable(const std::vector<FleetRadio>& radios);

// Each port that did not get the file, with the reason, and where a backup
// was kept the command that writes it back; on standard error.
void PrintFleetFailures(const std::vector<FleetRadio>& radios);

// The radio's row of the dealer's log.
[[nodiscard]] FleetLogRow FleetLogRowFor(const FleetPlan& plan, const FleetRadio& radio);

// "written", "failed", "other model", "not written"; the table's and the log's result.
[[nodiscard]] QString FleetResultText(const FleetRadio& radio);
