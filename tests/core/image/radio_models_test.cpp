#include "image/image_layout.h"
#include "image/radio_models.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The Model combo's order is the model byte's: the form stores the index.
TEST(RadioModels, ModelByteIsTheBasePlusTheIndex)
{
    const auto models = RadioModels();
    ASSERT_EQ(models.size(), 2u);
    for (std::size_t i = 0; i < models.size(); ++i)
        EXPECT_EQ(models[i].modelByte, layout::kModelBase + i) << models[i].modelText;
}

struct LookupCase {
    std::string modelText;
    std::uint8_t modelByte;
    std::string bandText;
    int low;
    int high;
};

TEST(RadioModels, TextByteAndBandBelongTogether)
{
    const LookupCase cases[] = {
        {"HM-615V", 0x37, "136-174MHz", 136, 174},
        {"HM-615U", 0x38, "400-520MHz", 400, 520},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.modelText);
        const RadioModel* byText = ModelByText(c.modelText);
        ASSERT_NE(byText, nullptr);
        EXPECT_EQ(byText, ModelByByte(c.modelByte));
        EXPECT_EQ(byText->bandText, c.bandText);
        EXPECT_EQ(byText->bandLowMHz, c.low);
        EXPECT_EQ(byText->bandHighMHz, c.high);
        EXPECT_EQ(ModelReporting(c.low, c.high), byText);
    }
}

TEST(RadioModels, UnknownNamesBytesAndRangesFindNothing)
{
    EXPECT_EQ(ModelByText("HM-615"), nullptr);
    EXPECT_EQ(ModelByText("hm-615v"), nullptr);
    EXPECT_EQ(ModelByByte(0x36), nullptr);
    EXPECT_EQ(ModelByByte(0x39), nullptr);
    EXPECT_EQ(ModelReporting(136, 520), nullptr);
    EXPECT_EQ(ModelReporting(400, 480), nullptr);
}

// The VHF radio's earlier firmware reports the wider range.
TEST(RadioModels, TheWiderEarlyRangeIsTheVhfRadios)
{
    const RadioModel* model = ModelReporting(136, 480);
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->modelText, "HM-615V");
}

} // namespace
