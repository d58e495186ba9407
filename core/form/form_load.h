#pragma once

#include "form/form_controls.h"
#include "image/radio_image.h"

// Shows the image on the form: selects an item in every setting combo box,
// fills the PTT ID Code and writes every channel row. The model is applied
// first (ApplyModel), so the channels read from the image survive it.
// Values outside a list leave that combo box without a selection.
void LoadFormFromImage(const RadioImage& image, FormControls& form, int& appliedModel);

// Shows channel n of the image in grid row n; an empty channel empties it.
void LoadChannelRow(const RadioImage& image, int n, FormControls& form);
