#include "cli/form_file.h"

#include "cli/channel_io.h"
#include "form/form_load.h"
#include "form/form_store.h"

FileStatus OpenForm(const QString& path, RadioImage& image, FormRecord& form)
{
    const FileStatus status = ReadChannel(path, image);
    if (!status.ok())
        return status;
    form = FreshFormRecord();
    int appliedModel = kNoModelApplied;
    LoadFormFromImage(image, form, appliedModel);
    return FileStatus::Ok();
}

FileStatus SaveForm(const QString& path, const FormRecord& form, RadioImage& image)
{
    StoreFormToImage(form, image);
    return WriteChannel(path, image);
}
