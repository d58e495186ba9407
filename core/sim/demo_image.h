#pragma once

#include "image/radio_image.h"

// A 136-174 MHz radio's memory with a few channels in it: what the simulated
// radio holds when nobody gives it a memory of its own.
RadioImage DemoRadioImage();
