// What a write changes, as the form shows it, between two radio images.

#include "codec/frequency.h"
#include "form/image_changes.h"
#include "image/image_layout.h"
#include "sim/demo_image.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    std::vector<std::string> lines;   // the count first
};

void PrintTo(const ChangeCase& c, std::ostream* os)
{
    *os << c.name;
}

// Channel 16, empty in the demonstration radio, on 145.55000 MHz.
void useChannel16(RadioImage& image)
{
    const FrequencyBytes rx = EncodeFrequency(14555000);
    std::copy(rx.begin(), rx.end(), image.channel(16).begin());
}

Edit fillEmptyChannelsAsTheStoreDoes()
{
    return [](RadioImage& image) {
        for (int n = 5; n <= RadioImage::kChannelCount; ++n) {
            auto channel = image.channel(n);
            std::fill(channel.begin() + 8, channel.begin() + 12, std::uint8_t{0x00});
            channel[layout::kChannelFlags] = 0xE7;
        }
    };
}

constexpr const char* kChannel1 = "Rx 145.52500, Tx 145.52500, tones 67.0 / D023N, Busy Off, High, Wide, Scan Add";
constexpr const char* kChannel2 = "Rx 146.52000, Tx 146.52000, tones Off / Off, Busy Off, High, Wide, Scan Add";
constexpr const char* kChannel4 = "Rx 162.55000, Tx (empty), tones Off / Off, Busy Off, High, Wide, Scan Del";
const std::string kChannel2Tone = "Channel 2: " + std::string(kChannel2) +
                                  " -> Rx 146.52000, Tx 146.52000, tones 88.5 / Off, Busy Off, High, Wide, Scan Add";

const ChangeCase kCases[] = {
    {"Nothing", noEdit, noEdit, {}},
    {"Setting", noEdit, setByte(layout::kSquelchLevel, 3), {"1 change", "Squelch Level: 5 -> 3"}},
    {"SettingBit", noEdit, flipBits(layout::kFunctionBits, layout::kBeepBit), {"1 change", "Beep: On -> Off"}},
    {"PttIdCode", noEdit, both(setByte(layout::kPttIdCode, '1'), setByte(layout::kPttIdCode + 1, 'A')),
     {"1 change", "PTT ID Code: (empty) -> 1A"}},
    {"PttIdCodeEscape", noEdit, both(setByte(layout::kPttIdCode, 0x1B), setByte(layout::kPttIdCode + 1, 'C')),
     {"1 change", "PTT ID Code: (empty) -> \\x1BC"}},
    {"ChannelTone", noEdit, both(setByte(0x28, 0x85), setByte(0x29, 0x08)), {"1 change", kChannel2Tone}},
    {"ChannelFlag", noEdit, flipBits(0x1C, layout::kHighPowerBit),
     {"1 change", "Channel 1: " + std::string(kChannel1) +
                      " -> Rx 145.52500, Tx 145.52500, tones 67.0 / D023N, Busy Off, Low, Wide, Scan Add"}},
    {"ChannelEmptied", noEdit, setByte(0x43, 0xFF), {"1 change", "Channel 4: " + std::string(kChannel4) + " -> (empty)"}},
    {"LastChannelTakenIntoUse", noEdit, useChannel16,
     {"1 change", "Channel 16: (empty) -> Rx 145.55000, Tx (empty), tones Off / Off, Busy Off, High, Wide, Scan Add"}},
    {"LastChannelsHiddenByte", useChannel16, setByte(0x10E, 0x00),
     {"1 change", "Channel 16, bytes the form does not show (the radio may use them): "
                  "0x108: FF FF FF FF FB FF FF FF -> FF FF FF FF FB FF 00 FF (0x10E)"}},
    {"SeveralChannelsOneRowEach", noEdit, both(setByte(0x43, 0xFF), both(setByte(0x28, 0x85), setByte(0x29, 0x08))),
     {"2 changes", kChannel2Tone, "Channel 4: " + std::string(kChannel4) + " -> (empty)"}},
    {"UnusedByte", noEdit, setByte(0x3E3, 0x42),
     {"1 change", "Other radio data (the radio may use it): "
                  "0x3E0: FF FF FF FF FF FF FF FF -> FF FF FF 42 FF FF FF FF (0x3E3)"}},
    {"EmptyChannelsHiddenBytes", noEdit, setByte(0x54, 0x12),
     {"No change to what the radio does", "Unused bytes of empty channel 5 (no radio uses them)"}},
    {"EmptyChannelsAsTheStoreWritesThem", noEdit, fillEmptyChannelsAsTheStoreDoes(),
     {"No change to what the radio does", "Unused bytes of empty channels 5-16 (no radio uses them)"}},
    {"KillCodeIsOutsideTheForm", noEdit, setByte(layout::kKillCode, '9'),
     {"1 change", "Kill codes (the radio uses them): 0x3A0: FF FF FF FF FF FF FF FF -> 39 FF FF FF FF FF FF FF (0x3A0)"}},
    {"KillSwitchBitIsOutsideTheForm", noEdit, flipBits(layout::kFunctionBits, layout::kKillSwitchBit),
     {"1 change", "Kill codes (the radio uses them): 0x3C0: 27 05 03 02 10 17 42 00 -> 07 05 03 02 10 17 42 00 (0x3C0)"}},
    {"ValuesTheFormShowsAlike", setByte(layout::kSquelchLevel, 0x20), setByte(layout::kSquelchLevel, 0x21),
     {"1 change", "Other radio data (the radio may use it): "
                  "0x3C0: 27 20 03 02 10 17 42 00 -> 27 21 03 02 10 17 42 00 (0x3C1)"}},
    {"SettingsThenChannelsThenOutsideThenEmptyChannels", noEdit,
     both(both(setByte(0x3E0, 0x00), setByte(0x10, 0x50)), both(setByte(layout::kTot, 1), setByte(0x64, 0x00))),
     {"3 changes", "TOT: 60s -> 30s",
      "Channel 1: " + std::string(kChannel1) +
          " -> Rx 145.52550, Tx 145.52500, tones 67.0 / D023N, Busy Off, High, Wide, Scan Add",
      "Other radio data (the radio may use it): 0x3E0: FF FF FF FF FF FF FF FF -> 00 FF FF FF FF FF FF FF (0x3E0)",
      "Unused bytes of empty channel 6 (no radio uses them)"}},
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
    after.setByte(0x43, 0xFF);   // channel 4 emptied
    after.setByte(0x3E1, 0x00);
    after.setByte(0x54, 0x00);   // empty channel 5
    EXPECT_EQ(ChangesJson(CompareImages(before, after)),
              "[\n"
              "  {\"kind\": \"setting\", \"field\": \"Squelch Level\", \"before\": \"5\", \"after\": \"3\"},\n"
              "  {\"kind\": \"channel\", \"channel\": 2, \"before\": {\"Rx Freq\": \"146.52000\", \"Tx Freq\": "
              "\"146.52000\", \"Rx Tone\": \"Off\", \"Tx Tone\": \"Off\", \"Busy\": \"Off\", \"Power\": \"High\", "
              "\"Bandwidth\": \"Wide\", \"Scan\": \"Add\"}, \"after\": {\"Rx Freq\": \"146.52000\", \"Tx Freq\": "
              "\"146.52000\", \"Rx Tone\": \"Off\", \"Tx Tone\": \"Off\", \"Busy\": \"Off\", \"Power\": \"High\", "
              "\"Bandwidth\": \"Wide\", \"Scan\": \"Del\"}},\n"
              "  {\"kind\": \"channel\", \"channel\": 4, \"before\": {\"Rx Freq\": \"162.55000\", \"Tx Freq\": \"\", "
              "\"Rx Tone\": \"Off\", \"Tx Tone\": \"Off\", \"Busy\": \"Off\", \"Power\": \"High\", "
              "\"Bandwidth\": \"Wide\", \"Scan\": \"Del\"}, \"after\": null},\n"
              "  {\"kind\": \"outside\", \"holds\": \"other\", \"radio_uses\": \"maybe\", \"channels\": [], "
              "\"blocks\": [{\"address\": \"0x3E0\", \"bytes\": [\"0x3E1\"], \"before\": \"FF FF FF FF FF FF FF FF\", "
              "\"after\": \"FF 00 FF FF FF FF FF FF\"}]},\n"
              "  {\"kind\": \"outside\", \"holds\": \"empty channels\", \"radio_uses\": false, \"channels\": [5], "
              "\"blocks\": [{\"address\": \"0x050\", \"bytes\": [\"0x054\"], \"before\": \"FF FF FF FF FF FF FF FF\", "
              "\"after\": \"FF FF FF FF 00 FF FF FF\"}]}\n"
              "]\n");
    EXPECT_EQ(ChangesJson({}), "[]\n");
}

} // namespace
