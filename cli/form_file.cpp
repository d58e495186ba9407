#include "cli/form_file.h"

#include "editor/form_load.h"
#include "editor/form_store.h"
#include "image/channel_file.h"

#include <cstdio>

FileStatus OpenForm(const QString& path, RadioImage& image, FormRecord& form)
{
    const FileStatus status = LoadChannelFile(path, image);
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
    return SaveChannelFile(path, image);
}

void PrintFileError(const FileStatus& status)
{
    std::fprintf(stderr, "hmprog-cli: %s\n", qPrintable(status.text()));
    if (!status.detail().isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(status.detail()));
}
