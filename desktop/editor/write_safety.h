#pragma once

// What the desktop program does around a write, as the Program menu sets it.
// The form on its own does none of it.
struct WriteSafety {
    // Read the radio first and keep that as a backup: a write costs a read more.
    bool backUpBeforeWrite = false;
    // List what the write changes since the radio's last read, and ask.
    bool previewBeforeWrite = false;
    // Read the radio back after a write and compare the blocks written.
    bool verifyAfterWrite = false;
};
