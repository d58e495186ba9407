#pragma once

#include "image/radio_image.h"

class QWidget;

// What the desktop says of an image holding values no radio of its model can
// hold (a file of garbage, or one written by something else): the file opens
// as the form shows every byte, but the user hears of the first few values,
// and is asked before such an image goes into a radio.

// After a file is opened: a message listing the first values, if any.
void TellOfImpossibleValues(QWidget* parent, const RadioImage& image);

// Before a write: true when the image holds no such value or the user chose
// "Write" over "Cancel", which is the default.
[[nodiscard]] bool ConfirmWriteOfImpossibleValues(QWidget* parent, const RadioImage& image);
