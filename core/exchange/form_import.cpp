#include "exchange/form_import.h"

#include "form/form_load.h"
#include "form/form_store.h"

ImportResult ImportIntoFormPreview(std::string_view csv, const FormControls& form, const RadioImage& image,
                                   ImportOptions options)
{
    RadioImage base = image;
    StoreFormToImage(form, base);
    options.model = ModelByText(form.GetComboText(FormCombo::Model));
    return ImportChannelsCsv(csv, base, options);
}

void PutImportedChannels(const ImportResult& result, FormControls& form)
{
    for (int n = 1; n <= RadioImage::kChannelCount; ++n) {
        if (result.changed[static_cast<std::size_t>(n - 1)])
            LoadChannelRow(result.image, n, form);
    }
}
