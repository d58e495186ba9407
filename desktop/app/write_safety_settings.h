#pragma once

#include "editor/write_safety.h"

// The Program menu's choices around a write, kept in the user's settings from
// one run to the next. Never chosen: back up and verify off, preview on.
[[nodiscard]] WriteSafety LoadWriteSafety();
void SaveWriteSafety(const WriteSafety& safety);
