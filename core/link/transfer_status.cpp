#include "transfer_status.h"

#include "image/text_fill.h"
#include "image/ui_text.h"

namespace {

const char* statusPattern(TransferStatus::Stage stage)
{
    switch (stage) {
    case TransferStatus::Stage::WaitingForRadio:
        return HMPROG_TEXT("Waiting for the radio on %1");
    case TransferStatus::Stage::Identifying:
        return HMPROG_TEXT("Identifying the radio");
    case TransferStatus::Stage::Block:
        return HMPROG_TEXT("Block %1 of %2");
    case TransferStatus::Stage::Done:
        return HMPROG_TEXT("Done");
    }
    return "";
}

} // namespace

std::string TransferStatusText(const TransferStatus& status, std::string_view port, TranslateText translate)
{
    const char* pattern = statusPattern(status.stage);
    if (status.stage == TransferStatus::Stage::Block)
        return FillText(UiText{pattern, {std::to_string(status.block), std::to_string(status.blocks)}}, translate);
    return FillText(UiText{pattern, {std::string(port)}}, translate);
}

std::string StatusPortName(std::string_view name, std::string_view device)
{
    if (device.empty() || device == name)
        return std::string(name);
    return std::string(name) + " (" + std::string(device) + ")";
}
