// What a write changes, as the form shows it, between two radio images.

#include "form/image_changes.h"
#include "image/image_layout.h"
#include "sim/demo_image.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Edit = std::function<void(RadioImage&)>;

Edit setByte(std::size_t offset, std::uint8_t value)
{
    return [=](RadioImage& image) { image.setByte(offset, value); };
}

Edit flipBits(std::size_t offset, std::uint8_t bits)
{
    return [=](RadioImage& image) { image.setByte(offset, static_cast<std::uint8_t>(image.byte(offset) ^ bits)); };
}

Edit both(Edit first, Edit second)
{
    return [=](RadioImage& image) {
        first(image);
        second(image);
    };
}

void noEdit(RadioImage&) {}

// The demonstration radio: Squelch 5, Beep On, channels 1-4 in use, 5-16 empty.
struct ChangeCase {
    const char* name;
    Edit before;
    Edit after;
    std::vector<std::string> lines;
};

void PrintTo(const ChangeCase& c, std::ostream* os)
{
    *os << c.name;
}

const ChangeCase kCases[] = {
    {"Nothing", noEdit, noEdit, {}},
    {"Setting", noEdit, setByte(layout::kSquelchLevel, 3), {"Squelch Level: 5 -> 3"}},
    {"SettingBit", noEdit, flipBits(layout::kFunctionBits, layout::kBeepBit), {"Beep: On -> Off"}},
    {"PttIdCode", noEdit, both(setByte(layout::kPttIdCode, '1'), setByte(layout::kPttIdCode + 1, 'A')),
     {"PTT ID Code: (empty) -> 1A"}},
    {"ChannelTone", noEdit, both(setByte(0x28, 0x85), setByte(0x29, 0x08)), {"Channel 2 Rx Tone: Off -> 88.5"}},
    {"ChannelFlag", noEdit, flipBits(0x1C, layout::kHighPowerBit), {"Channel 1 Power: High -> Low"}},
    {"ChannelEmptied", noEdit, setByte(0x43, 0xFF),
     {"Channel 4 Rx Freq: 162.55000 -> (empty)", "Channel 4 Rx Tone: Off -> (empty)",
      "Channel 4 Tx Tone: Off -> (empty)", "Channel 4 Busy: Off -> (empty)", "Channel 4 Power: High -> (empty)",
      "Channel 4 Bandwidth: Wide -> (empty)", "Channel 4 Scan: Del -> (empty)"}},
    {"UnusedByte", noEdit, setByte(0x3E3, 0x42),
     {"(radio data outside the form) 0x3E0: FF FF FF FF FF FF FF FF -> FF FF FF 42 FF FF FF FF (0x3E3)"}},
    {"EmptyChannelsHiddenBytes", noEdit, setByte(0x54, 0x12),
     {"(radio data outside the form) 0x050: FF FF FF FF FF FF FF FF -> FF FF FF FF 12 FF FF FF (0x054)"}},
    {"KillCodeIsOutsideTheForm", noEdit, setByte(layout::kKillCode, '9'),
     {"(radio data outside the form) 0x3A0: FF FF FF FF FF FF FF FF -> 39 FF FF FF FF FF FF FF (0x3A0)"}},
    {"KillSwitchBitIsOutsideTheForm", noEdit, flipBits(layout::kFunctionBits, layout::kKillSwitchBit),
     {"(radio data outside the form) 0x3C0: 27 05 03 02 10 17 42 00 -> 07 05 03 02 10 17 42 00 (0x3C0)"}},
    {"ValuesTheFormShowsAlike", setByte(layout::kSquelchLevel, 0x20), setByte(layout::kSquelchLevel, 0x21),
     {"(radio data outside the form) 0x3C0: 27 20 03 02 10 17 42 00 -> 27 21 03 02 10 17 42 00 (0x3C1)"}},
    {"SettingsThenChannelsThenOutside", noEdit,
     both(both(setByte(0x3E0, 0x00), setByte(0x10, 0x50)), setByte(layout::kTot, 1)),
     {"TOT: 60s -> 30s", "Channel 1 Rx Freq: 145.52500 -> 145.52550",
      "(radio data outside the form) 0x3E0: FF FF FF FF FF FF FF FF -> 00 FF FF FF FF FF FF FF (0x3E0)"}},
};

class ImageChanges : public testing::TestWithParam<ChangeCase> {};

TEST_P(ImageChanges, ListExactlyTheChangedFields)
{
    const ChangeCase& c = GetParam();
    RadioImage before = DemoRadioImage();
    c.before(before);
    RadioImage after = before;
    c.after(after);
    std::string expected;
    for (const std::string& line : c.lines)
        expected += line + "\n";
    EXPECT_EQ(ChangesText(CompareImages(before, after)), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ImageChanges, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ImageChangesJson, NamesEveryPartOfAChange)
{
    const RadioImage before = DemoRadioImage();
    RadioImage after = before;
    after.setByte(layout::kSquelchLevel, 3);
    after.setByte(0x2C, 0xF3);   // channel 2: the Scan bit cleared
    after.setByte(0x3E1, 0x00);
    EXPECT_EQ(ChangesJson(CompareImages(before, after)),
              "[\n"
              "  {\"kind\": \"setting\", \"field\": \"Squelch Level\", \"before\": \"5\", \"after\": \"3\"},\n"
              "  {\"kind\": \"channel\", \"field\": \"Scan\", \"channel\": 2, \"before\": \"Add\", \"after\": \"Del\"},\n"
              "  {\"kind\": \"outside\", \"field\": \"(radio data outside the form)\", \"address\": \"0x3E0\", "
              "\"bytes\": [\"0x3E1\"], \"before\": \"FF FF FF FF FF FF FF FF\", \"after\": \"FF 00 FF FF FF FF FF FF\"}\n"
              "]\n");
    EXPECT_EQ(ChangesJson({}), "[]\n");
}

} // namespace
