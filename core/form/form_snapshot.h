#pragma once

#include "form/form_controls.h"

#include <array>
#include <string>
#include <vector>

// A cell of the channel grid, counted with the headings.
struct GridCell {
    long row = 0;
    long col = 0;
    bool operator==(const GridCell&) const = default;
};

// Everything the editor form shows, taken whole, so that a step can be taken
// back exactly: every combo box's items, selection and enabled state, every
// grid text, the PTT ID Code, the model last applied and the current cell.
struct FormSnapshot {
    struct Combo {
        std::vector<std::string> items;
        int current = -1;
        bool enabled = true;
        bool operator==(const Combo&) const = default;
    };

    std::array<Combo, kFormComboCount> combos;
    long rows = 0;
    long cols = 0;
    std::vector<std::string> cells;   // row by row, headings included
    std::string pttIdCode;
    int appliedModel = -1;
    GridCell current;

    // The same form, wherever its current cell is.
    [[nodiscard]] bool SameContents(const FormSnapshot& other) const;
    bool operator==(const FormSnapshot&) const = default;
};

[[nodiscard]] FormSnapshot TakeSnapshot(const FormControls& form, int appliedModel, GridCell current);

// Puts the form back as the snapshot shows it and the band limits with it.
// The current cell is the host's to restore.
void RestoreSnapshot(const FormSnapshot& snapshot, FormControls& form, int& appliedModel);
