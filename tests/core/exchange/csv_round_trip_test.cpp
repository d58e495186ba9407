#include "exchange_fixtures.h"
#include "exchange/stock_plans.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<std::string> toneListTexts()
{
    std::vector<std::string> list;
    BuildToneList(list);
    return list;
}

// A frequency on one of the rasters inside the model's band.
std::uint32_t onRaster(std::mt19937& random, const RadioModel& model)
{
    const std::uint32_t low = static_cast<std::uint32_t>(model.bandLowMHz) * 100000;
    const std::uint32_t high = static_cast<std::uint32_t>(model.bandHighMHz) * 100000;
    const std::uint32_t step = random() % 2 ? 500 : 625;
    const std::uint32_t first = (low + step - 1) / step;
    return (first + random() % ((high - first * step) / step + 1)) * step;
}

// An image the form shows exactly: channels in use hold BCD frequencies on a
// raster inside the band, tones from the tone list, and an unused transmit
// frequency is all 0xFF, as the form stores one.
RadioImage randomImage(std::mt19937& random, const char* modelText)
{
    static const std::vector<std::string> tones = toneListTexts();
    const RadioModel& model = *ModelByText(modelText);
    RadioImage image = NewImage(modelText);
    for (int n = 1; n <= RadioImage::kChannelCount; ++n) {
        if (random() % 4 == 0)
            continue;
        ChannelSettings s;
        s.rxCount = onRaster(random, model);
        const int duplex = static_cast<int>(random() % 4);
        s.txCount = duplex == 0 ? 0 : duplex == 1 ? s.rxCount : onRaster(random, model);
        s.rxTone = Tone(tones[random() % tones.size()].c_str());
        s.txTone = random() % 3 == 0 ? s.rxTone : Tone(tones[random() % tones.size()].c_str());
        s.busy = static_cast<BusyLockout>(random() % 3);
        s.highPower = random() % 2;
        s.narrow = random() % 2;
        s.scanAdd = random() % 2;
        StoreChannelSettings(s, image.channel(n));
    }
    return image;
}

TEST(CsvRoundTripTest, ExportThenImportGivesBackTheImage)
{
    std::mt19937 random(16);
    for (const char* modelText : {"HM-615V", "HM-615U"}) {
        for (int i = 0; i < 200; ++i) {
            const RadioImage image = randomImage(random, modelText);
            const std::string csv = ExportChannelsCsv(image, {});
            const ImportResult result = ImportChannelsCsv(csv, NewImage(modelText), {});
            ASSERT_NE(result.status, ImportStatus::SomeSkipped) << csv;
            EXPECT_TRUE(result.report.empty()) << csv << FilledText(result.report.front());
            ASSERT_EQ(result.image, image) << csv;
        }
    }
}

TEST(CsvRoundTripTest, StandardColumnsLoseOnlyTheBusyLockout)
{
    std::mt19937 random(615);
    RadioImage image = randomImage(random, "HM-615V");
    const ImportResult result = ImportChannelsCsv(ExportChannelsCsv(image, {.standardColumns = true}), NewImage(), {});
    for (int n = 1; n <= RadioImage::kChannelCount; ++n) {
        if (!IsChannelInUse(image.channel(n)))
            continue;
        ChannelSettings expected = ReadChannelSettings(image.channel(n));
        expected.busy = BusyLockout::Off;
        StoreChannelSettings(expected, image.channel(n));
    }
    EXPECT_EQ(result.image, image);
}

TEST(CsvRoundTripTest, StandardColumnsBackOntoTheImageKeepItsBusyLockoutAndSaySo)
{
    std::mt19937 random(446);
    RadioImage image = randomImage(random, "HM-615V");
    for (int n = 1; n <= RadioImage::kChannelCount; ++n) {
        ChannelSettings s = ReadChannelSettings(image.channel(n));
        s.busy = n % 2 ? BusyLockout::Carrier : BusyLockout::QtDqt;
        if (IsChannelInUse(image.channel(n)))
            StoreChannelSettings(s, image.channel(n));
    }
    const ImportResult result = ImportChannelsCsv(ExportChannelsCsv(image, {.standardColumns = true}), image, {});
    EXPECT_EQ(result.status, ImportStatus::AllLoaded);
    EXPECT_EQ(result.image, image);
    EXPECT_EQ(ReportTexts(result),
              std::vector<std::string>{"0: Columns the file lacks, kept as each channel had them: Busy."});
}

class StockPlanTest : public testing::TestWithParam<StockPlan> {};

TEST_P(StockPlanTest, LoadsEveryRowIntoItsRadio)
{
    const StockPlan& plan = GetParam();
    ASSERT_FALSE(plan.csv.empty());
    EXPECT_TRUE(plan.csv.starts_with("# ")) << "the file says where its frequencies come from";
    const ImportResult result = ImportChannelsCsv(plan.csv, NewImage(std::string(plan.modelText).c_str()), {});
    EXPECT_EQ(result.status, ImportStatus::AllLoaded);
    EXPECT_TRUE(result.report.empty()) << ReportLineText(result.report.front());
    for (int n = 1; n <= RadioImage::kChannelCount; ++n)
        EXPECT_TRUE(IsChannelInUse(result.image.channel(n))) << n;
    EXPECT_EQ(StockPlanNamed(plan.name)->csv, plan.csv);
}

INSTANTIATE_TEST_SUITE_P(Plans, StockPlanTest, testing::ValuesIn(StockPlans().begin(), StockPlans().end()),
                         [](const testing::TestParamInfo<StockPlan>& info) {
                             std::string name(info.param.name);
                             std::erase(name, '-');
                             return name;
                         });

TEST(StockPlanTest, Pmr446IsItsSixteenNarrowLowPowerChannels)
{
    const ImportResult result = ImportChannelsCsv(StockPlanNamed("pmr446")->csv, NewImage("HM-615U"), {});
    for (int n = 1; n <= 16; ++n) {
        const ChannelSettings s = ReadChannelSettings(result.image.channel(n));
        EXPECT_EQ(s.rxCount, 44600625u + 1250u * static_cast<std::uint32_t>(n - 1)) << n;
        EXPECT_EQ(s.txCount, s.rxCount);
        EXPECT_TRUE(s.narrow);
        EXPECT_FALSE(s.highPower);
    }
    EXPECT_FALSE(StockPlanNamed("pmr"));
}

} // namespace
