#pragma once

#include "form/form_record.h"

#include <QByteArray>

// The form as JSON, beside the core's text table (FormTable): "settings"
// (label, text, index, enabled, in the form's order; the PTT ID Code has a
// text only), "headings" and "rows" (16 rows of the 9 cell texts, channel
// number first).
[[nodiscard]] QByteArray FormJson(const FormRecord& form);
