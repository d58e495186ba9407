#include "partial_write.h"

#include "image/ui_text.h"

const char* PartlyWrittenWarning()
{
    return HMPROG_TEXT(
        "The radio now holds a partly written memory: write a complete image into it before using it.");
}
