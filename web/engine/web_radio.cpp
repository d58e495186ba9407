#include "web_radio.h"

#include "image/image_bytes.h"
#include "image/image_layout.h"
#include "image/radio_models.h"
#include "sim/demo_image.h"

std::vector<std::uint8_t> WebRadio::Receive(std::span<const std::uint8_t> bytes)
{
    std::vector<std::uint8_t> answer;
    for (std::uint8_t b : bytes) {
        m_radio.Receive(b, SimTime{0});
        for (const RadioReply& reply : m_radio.TakeReplies())
            answer.push_back(reply.byte);
    }
    return answer;
}

WebRadio* MakeWebRadio(const std::string& model, const std::string& fault, int faultBlock,
                       const std::vector<std::uint8_t>& image)
{
    const RadioModel* known = ModelByText(model);
    RadioOptions options;
    if (known != nullptr)
        options.range = {known->bandLowMHz, known->bandHighMHz};
    options.fault = ParseRadioFault(fault).value_or(RadioFault::None);
    if (faultBlock >= 0)
        options.faultBlock = static_cast<std::size_t>(faultBlock);

    RadioImage memory;
    if (LoadImageFileBytes(image, memory))
        return new WebRadio(memory, options);
    if (known == nullptr || known == &RadioModels().front())
        return new WebRadio(DemoRadioImage(), options);
    memory.ResetToDefaults();
    memory.setByte(layout::kModel, known->modelByte);
    return new WebRadio(memory, options);
}
