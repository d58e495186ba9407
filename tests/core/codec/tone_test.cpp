#include "codec/tone.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct ToneCase {
    ToneCode code;
    const char* text;
};

class ToneCodes : public testing::TestWithParam<ToneCase> {};

TEST_P(ToneCodes, FormatAndParseAgree)
{
    EXPECT_EQ(FormatTone(GetParam().code), GetParam().text);
    EXPECT_EQ(ParseTone(GetParam().text, {0x12, 0x34}), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Table, ToneCodes,
                         testing::Values(ToneCase{{0xFF, 0xFF}, "Off"}, ToneCase{{0x06, 0x70}, "67.0"},
                                         ToneCase{{0x10, 0x00}, "100.0"}, ToneCase{{0x25, 0x41}, "254.1"},
                                         ToneCase{{0x00, 0x00}, "0.0"}, ToneCase{{0x80, 0x23}, "D023N"},
                                         ToneCase{{0x87, 0x54}, "D754N"}, ToneCase{{0xC0, 0x23}, "D023I"},
                                         ToneCase{{0xC7, 0x54}, "D754I"}, ToneCase{{0x86, 0x45}, "D645N"}));

TEST(FormatTone, OffIgnoresTheLowByte)
{
    for (int low : {0x00, 0x23, 0xFF})
        EXPECT_EQ(FormatTone({0xFF, static_cast<std::uint8_t>(low)}), "Off");
}

TEST(ParseTone, FollowsItsRulesInOrder)
{
    const ToneCode current{0x12, 0x34};
    struct Case {
        const char* text;
        ToneCode code;
    };
    const Case cases[] = {
        {"Offset", {0xFF, 0xFF}},   // "Off" anywhere means off
        {"xOffx", {0xFF, 0xFF}},
        {"D023", current},          // neither polarity: unchanged
        {"D", current},
        {"DNI", {0x80, 0x00}},      // "N" is looked for before "I"
        {"D023IN", {0x80, 0x23}},
        {"", {0x00, 0x00}},         // read as a CTCSS tone of 0
        {"67", {0x06, 0x70}},
        {"67.05", {0x06, 0x70}},    // tenths are truncated
        {"d023n", {0x00, 0x00}},    // lower case is not a DCS name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseTone(c.text, current), c.code);
    }
}

TEST(ToneList, HasItsLandmarksInOrder)
{
    std::vector<std::string> list{"stale"};
    BuildToneList(list);
    ASSERT_EQ(list.size(), 261u);
    EXPECT_EQ(list[0], "Off");
    EXPECT_EQ(list[1], "67.0");
    EXPECT_EQ(list[50], "254.1");
    EXPECT_EQ(list[51], "D023N");
    EXPECT_EQ(list[155], "D754N");
    EXPECT_EQ(list[156], "D023I");
    EXPECT_EQ(list[260], "D754I");
    for (std::size_t i = 0; i < 105; ++i) {
        std::string normal = list[51 + i];
        std::string inverted = list[156 + i];
        ASSERT_EQ(normal.back(), 'N');
        normal.back() = 'I';
        EXPECT_EQ(normal, inverted);
    }
    EXPECT_NE(std::find(list.begin(), list.end(), "D645N"), list.end());
}

TEST(ToneList, EveryEntrySurvivesParseThenFormat)
{
    std::vector<std::string> list;
    BuildToneList(list);
    for (const std::string& text : list)
        EXPECT_EQ(FormatTone(ParseTone(text, {0x55, 0x55})), text);
}

TEST(ToneList, IsAscendingWithinEachGroup)
{
    std::vector<std::string> list;
    BuildToneList(list);
    for (std::size_t i = 2; i <= 50; ++i)
        EXPECT_LT(std::stod(list[i - 1]), std::stod(list[i])) << list[i];
    for (std::size_t i = 52; i <= 155; ++i)
        EXPECT_LT(list[i - 1], list[i]);
}

} // namespace
