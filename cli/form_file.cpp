#include "cli/form_file.h"

#include "cli/channel_io.h"
#include "form/form_store.h"

FileStatus OpenForm(const QString& path, RadioImage& image, FormRecord& form)
{
    const FileStatus status = ReadChannel(path, image);
    if (!status.ok())
        return status;
    form = FormRecordOf(image);
    return FileStatus::Ok();
}

FileStatus SaveForm(const QString& path, const FormRecord& form, RadioImage& image)
{
    StoreFormToImage(form, image);
    return WriteChannel(path, image);
}
