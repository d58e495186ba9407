#pragma once

#include "form/form_controls.h"

#include <string>

// The form as a person reads it, the text `hmprog-cli show` and the page
// print: the settings one per line, then the channel table with its
// headings, every column padded to its widest text. Widths count UTF-16
// units and each line loses its surrounding white space, as Qt's texts have
// always done, so that every host prints the same bytes.
[[nodiscard]] std::string FormTable(const FormControls& form);
