#pragma once

#include "cli/fleet_board.h"
#include "image/radio_image.h"
#include "link/identification.h"

#include <QString>

#include <cstddef>
#include <string>

// What a fleet run writes into every radio, and how.
struct FleetPlan {
    QString file;            // the channel file as the user named it
    RadioImage image;
    BandLimits band;         // that of the file's model
    std::string fileSha256;
    bool verify = false;
    bool backup = false;
    bool keepRadioData = false;
    bool yes = false;
    int retries = 0;
    int logFile = -1;        // the log opened for appending, -1 without one
};

// Programs the radio on the board's port index, on the calling thread: reads
// it first when a backup or its own data is asked for, writes it unless it is
// of another model or Ctrl+C came before the write began, reads it back when
// verify is asked for, appends its row to the log and ends its entry.
void ProgramFleetRadio(const FleetPlan& plan, FleetBoard& board, std::size_t index);

// --watch: programs each radio that answers on the port, one after another,
// until Ctrl+C. A radio is recognised by what it holds: the one just written
// (or refused, or failed) is read again and again, never written twice, until
// another radio answers. A port without its device is looked at once a second.
void WatchFleetPort(const FleetPlan& plan, FleetBoard& board, std::size_t index);
