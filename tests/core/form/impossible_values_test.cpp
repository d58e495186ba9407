// Values no radio of the image's model can hold, found in an opened file.

#include "codec/frequency.h"
#include "form/form_load.h"
#include "form/form_record.h"
#include "form/form_store.h"
#include "form/impossible_values.h"
#include "image/image_layout.h"
#include "image/text_fill.h"
#include "sim/demo_image.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using Edit = std::function<void(RadioImage&)>;

Edit setBytes(std::size_t offset, std::vector<std::uint8_t> bytes)
{
    return [=](RadioImage& image) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            image.setByte(offset + i, bytes[i]);
    };
}

Edit both(Edit first, Edit second)
{
    return [=](RadioImage& image) {
        first(image);
        second(image);
    };
}

Edit frequencyAt(std::size_t offset, std::uint32_t count)
{
    const FrequencyBytes bytes = EncodeFrequency(count);
    return setBytes(offset, {bytes.begin(), bytes.end()});
}

// What File New then File Save writes: the empty channels' tones as 00 00, flags E7.
void newAndSaved(RadioImage& image)
{
    image.ResetToDefaults();
    FormRecord form = FreshFormRecord();
    int applied = kNoModelApplied;
    LoadFormFromImage(image, form, applied);
    StoreFormToImage(form, image);
}

void garbage(RadioImage& image)
{
    std::mt19937 random(1024);
    for (std::size_t offset = 0; offset < RadioImage::kSize; ++offset)
        image.setByte(offset, static_cast<std::uint8_t>(random()));
}

struct ValueCase {
    const char* name;
    Edit edit;   // on the demonstration radio: channels 1-4 in use, 136-174 MHz
    std::vector<std::string> found;
};

void PrintTo(const ValueCase& c, std::ostream* os)
{
    *os << c.name;
}

const ValueCase kCases[] = {
    {"RadioAsRead", [](RadioImage&) {}, {}},
    {"FileNew", [](RadioImage& image) { image.ResetToDefaults(); }, {}},
    {"FileNewSaved", newAndSaved, {}},
    {"GarbageInAnEmptyChannel", setBytes(0x50, {0x12, 0x34, 0xFF, 0x00, 0x99, 0x99, 0x99, 0x99, 0xAB, 0xCD}), {}},
    {"RxAboveTheBand", frequencyAt(0x10, 90747000), {"Channel 1: Rx 907.47000 MHz is outside 136-174MHz"}},
    {"TxBelowTheBand", frequencyAt(0x24, 13599999), {"Channel 2: Tx 135.99999 MHz is outside 136-174MHz"}},
    {"BandEdgesHold", both(frequencyAt(0x10, 13600000), frequencyAt(0x14, 17400000)), {}},
    {"RxNotDecimal", setBytes(0x30, {0x0A}), {"Channel 3: the Rx bytes 0A 00 56 14 are no frequency"}},
    {"DcsCodeWithAnEightInIt", setBytes(0x28, {0x99, 0x85}), {"Channel 2: Rx tone D599N is no CTCSS or DCS tone"}},
    {"CtcssNotInTheList", setBytes(0x4A, {0x00, 0x00}), {"Channel 4: Tx tone 0.0 is no CTCSS or DCS tone"}},
    {"UnknownModel", setBytes(layout::kModel, {0x39}), {"The model byte 0x39 names no model"}},
    {"UhfChannelsInAVhfRadio", setBytes(layout::kModel, {0x38}),
     {"Channel 1: Rx 145.52500 MHz is outside 400-520MHz", "Channel 1: Tx 145.52500 MHz is outside 400-520MHz",
      "Channel 2: Rx 146.52000 MHz is outside 400-520MHz", "Channel 2: Tx 146.52000 MHz is outside 400-520MHz",
      "Channel 3: Rx 145.60000 MHz is outside 400-520MHz"}},
    {"UnknownBand", setBytes(layout::kBand, {0xEF}), {"The band byte 0xEF names no band of the model"}},
    {"Squelch", setBytes(layout::kSquelchLevel, {10}), {"Squelch Level 10 is outside 0-9"}},
    {"TotZero", setBytes(layout::kTot, {0}), {"TOT 0 is outside 1-10"}},
    {"TotEleven", setBytes(layout::kTot, {11}), {"TOT 11 is outside 1-10"}},
    {"Vox", setBytes(layout::kVox, {10}), {"Vox 10 is outside 0-9"}},
};

class ImpossibleValues : public testing::TestWithParam<ValueCase> {};

TEST_P(ImpossibleValues, AreFoundInImageOrder)
{
    RadioImage image = DemoRadioImage();
    GetParam().edit(image);
    std::vector<std::string> found;
    for (const ImpossibleValue& value : FindImpossibleValues(image))
        found.push_back(FillText(value));
    EXPECT_EQ(found, GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(Cases, ImpossibleValues, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ImpossibleValuesOfGarbage, StopAtTheLimit)
{
    RadioImage image;
    garbage(image);
    EXPECT_EQ(FindImpossibleValues(image).size(), 5U);
    EXPECT_EQ(FindImpossibleValues(image, 2).size(), 2U);
}

} // namespace
