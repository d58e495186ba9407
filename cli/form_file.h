#pragma once

#include "cli/channel_io.h"
#include "form/form_record.h"
#include "document/file_status.h"
#include "image/radio_image.h"

#include <QString>

// path "-" is standard input for OpenForm and standard output for SaveForm.

// The desktop program started with a channel file: the file's image, and the
// form as it shows it (a fresh form, no model applied before the load).
[[nodiscard]] FileStatus OpenForm(const QString& path, RadioImage& image, FormRecord& form);

// Stores the form into the image and writes the channel file, as File Save.
[[nodiscard]] FileStatus SaveForm(const QString& path, const FormRecord& form, RadioImage& image);
