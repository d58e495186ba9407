#pragma once

#include "form/form_controls.h"
#include "image/radio_image.h"

// Writes what the form shows into the image: the 16 channel rows, the setting
// combo boxes and the PTT ID Code. Every byte and bit the form does not show
// is left as it was. A combo box without a selection stores the code of
// index -1 as each field's rule gives it.
void StoreFormToImage(const FormControls& form, RadioImage& image);
