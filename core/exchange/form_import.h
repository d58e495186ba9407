#pragma once

#include "exchange/channel_csv.h"
#include "form/form_controls.h"

// A channel list put into the editor form, as the desktop program and the
// command line both do it: the form's channels are the base, the model the
// form shows decides the band, and only the rows of the channels the list
// changed are rewritten, so the settings and every other row stay as shown.

// The import as it would come out, with the form unchanged. image is the
// document's image, for the bytes the form does not show.
[[nodiscard]] ImportResult ImportIntoFormPreview(std::string_view csv, const FormControls& form,
                                                 const RadioImage& image, ImportOptions options);

// Puts the changed channels of an import into the form's grid rows.
void PutImportedChannels(const ImportResult& result, FormControls& form);
