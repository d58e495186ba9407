#pragma once

#include "form/form_controls.h"

// Whole-channel operations and the reactions to the Model, Frequency and Vox
// Switch combo boxes. They work on the form only; the image changes when the
// form is stored.

// A different model refills the band list with the model's band, selects it,
// sets the band limits and empties every channel; the model already applied
// changes nothing. Either way the selection is recorded in appliedModel.
void ApplyModel(FormControls& form, int& appliedModel);

// The band limits follow the band text; an empty text leaves them as they are.
void ApplyBand(const FormControls& form);

// The gain can be chosen only while the switch is not "Off"; enabling it
// selects gain "1" when it has no selection.
void ApplyVoxSwitch(FormControls& form);

// Removes the channel at row, moving the channels below it up one row; the
// last row becomes empty.
void DeleteChannelAt(FormControls& form, long row);

// Inserts an empty channel at row, moving the channels from there down one
// row; the channel in the last row is lost.
void AddChannelAt(FormControls& form, long row);

// Empties columns 1 and up of row.
void ClearChannelRow(FormControls& form, long row);
