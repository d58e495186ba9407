#pragma once

#include "form/form_controls.h"

#include <string>
#include <vector>

// The fixed texts of the editor form. The combo items and cell texts are the
// radio's own vocabulary: the store compares them, so they are never
// translated.

inline constexpr int kGridRows = 17;   // the heading row and 16 channels
inline constexpr int kGridCols = 9;    // the channel number and 8 fields

// Grid columns of a channel row.
enum GridColumn {
    kColNumber = 0,
    kColRxFreq = 1,
    kColTxFreq = 2,
    kColRxTone = 3,
    kColTxTone = 4,
    kColBusy = 5,
    kColPower = 6,
    kColBandwidth = 7,
    kColScan = 8,
};

// The model combo index recorded before any model has been applied.
inline constexpr int kNoModelApplied = -1;

// Headings of grid columns 0 to 8.
const std::vector<std::string>& GridHeadings();

// Items a setting combo box is created with (the Vox Gain Level list is
// filled by the first initial update; the Frequency list follows the model).
std::vector<std::string> ComboItemsAtCreation(FormCombo combo);

// The items of the option editor of grid columns 5 to 8 ("Busy" to "Scan"),
// in list order; none for another column.
std::vector<std::string> CellOptionItems(long col);

// The band of a model, "" for a text that names no model.
std::string BandOfModel(const std::string& modelText);

// Fills every combo box with its items at creation.
void CreateFormContents(FormControls& form);

// The Vox Gain Level items "1" to "9".
void FillVoxGainLevels(FormControls& form);

// The grid's column headings and, in column 0, the channel numbers.
void WriteGridHeadings(FormControls& form);
