#include "fleet/radio_data.h"

#include "form/form_load.h"
#include "form/form_record.h"
#include "form/form_store.h"

RadioImage FileFormOntoRadio(const RadioImage& file, const RadioImage& radio)
{
    FormRecord form = FreshFormRecord();
    int appliedModel = -1;
    LoadFormFromImage(file, form, appliedModel);
    RadioImage written = radio;
    StoreFormToImage(form, written);
    return written;
}
