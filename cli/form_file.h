#pragma once

#include "cli/channel_io.h"
#include "document/file_status.h"
#include "form/form_record.h"
#include "form/form_session.h"
#include "image/radio_image.h"

#include <QString>

// A channel file's image and the form that shows it, driven by the form
// session as the desktop form is; its texts in the user's language.
struct CliForm {
    CliForm();
    CliForm(const CliForm&) = delete;
    CliForm& operator=(const CliForm&) = delete;

    RadioImage image;
    FormRecord form;
    FormSession session;
};

// path "-" is standard input for OpenForm and standard output for SaveForm.

// The desktop program started with a channel file: the file's image, and the
// form as it shows it (a fresh form, no model applied before the load).
[[nodiscard]] FileStatus OpenForm(const QString& path, CliForm& form);

// Stores the form into the image and writes the channel file, as File Save.
[[nodiscard]] FileStatus SaveForm(const QString& path, CliForm& form);
