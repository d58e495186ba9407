#pragma once

// Said after every write that ended with at least one block in the radio: its
// memory is then neither the old image nor the new one.
const char* PartlyWrittenWarning();
