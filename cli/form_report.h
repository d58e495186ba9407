#pragma once

#include "form/form_record.h"

#include <QByteArray>
#include <QString>

// The form as a person reads it: the settings one per line, then the channel
// table with its headings, every column padded to its widest text.
QString FormTable(const FormRecord& form);

// The same as JSON: "settings" (label, text, index, enabled, in the form's
// order; the PTT ID Code has a text only), "headings" and "rows" (16 rows of
// the 9 cell texts, channel number first).
QByteArray FormJson(const FormRecord& form);
