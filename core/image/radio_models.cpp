#include "radio_models.h"

#include "image/image_layout.h"

namespace {

constexpr int kVhfRanges[] = {136, 174, 136, 480};
constexpr int kUhfRanges[] = {400, 520};

constexpr RadioModel kModels[] = {
    {"HM-615V", layout::kModelBase, "136-174MHz", 136, 174, kVhfRanges},
    {"HM-615U", layout::kModelBase + 1, "400-520MHz", 400, 520, kUhfRanges},
};

} // namespace

std::span<const RadioModel> RadioModels()
{
    return kModels;
}

const RadioModel* ModelByText(std::string_view modelText)
{
    for (const RadioModel& model : kModels) {
        if (model.modelText == modelText)
            return &model;
    }
    return nullptr;
}

const RadioModel* ModelByByte(std::uint8_t modelByte)
{
    for (const RadioModel& model : kModels) {
        if (model.modelByte == modelByte)
            return &model;
    }
    return nullptr;
}

const RadioModel* ModelReporting(int lowMHz, int highMHz)
{
    for (const RadioModel& model : kModels) {
        for (std::size_t i = 0; i + 1 < model.reportedRanges.size(); i += 2) {
            if (model.reportedRanges[i] == lowMHz && model.reportedRanges[i + 1] == highMHz)
                return &model;
        }
    }
    return nullptr;
}
