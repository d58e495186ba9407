#include "cli/form_file.h"

#include "cli/channel_io.h"
#include "document/core_text.h"

CliForm::CliForm()
    : session(form, image, CoreTextUtf8)
{
}

FileStatus OpenForm(const QString& path, CliForm& form)
{
    const FileStatus status = ReadChannel(path, form.image);
    if (!status.ok())
        return status;
    form.session.LoadFresh();
    return FileStatus::Ok();
}

FileStatus SaveForm(const QString& path, CliForm& form)
{
    return WriteChannel(path, form.session.Store());
}
