#pragma once

#include "form/form_record.h"

#include <string>

// The form as a person reads it, the text `hmprog-cli show` prints: the
// settings one per line, then the channel table with its headings, every
// column padded to its widest text. Widths count UTF-16 units, and each line
// loses its surrounding white space, as the command line's text does.
[[nodiscard]] std::string FormTable(const FormRecord& form);
