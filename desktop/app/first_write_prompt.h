#pragma once

#include "editor/transfer_prompts.h"

class QWidget;

// Asked before a write with Preview Before Write on when the program knows
// nothing of what the radio holds: read the radio first (kept as a backup,
// then the preview), write without a preview, or cancel, the default.
[[nodiscard]] FirstWriteAnswer AskFirstWrite(QWidget* parent);
