#include "progress_text.h"

#include "image/radio_image.h"
#include "link/protocol_bytes.h"

int ProgressRange(TransferDirection direction)
{
    return static_cast<int>(direction == TransferDirection::Read ? RadioImage::kBlockCount : protocol::kWriteEnd);
}

std::string ProgressPercentText(int position, int range)
{
    const int percent = range > 0 ? position * 100 / range : 0;
    return std::to_string(percent) + '%';
}
