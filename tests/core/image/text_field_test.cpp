#include "image/image_layout.h"
#include "image/text_field.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct ReadCase {
    const char* name;
    std::vector<std::uint8_t> field;
    std::string text;
};

class TextFieldRead : public testing::TestWithParam<ReadCase> {};

TEST_P(TextFieldRead, StopsAtTheFirstPadByteOrAfterEight)
{
    RadioImage image;
    for (std::size_t i = 0; i < GetParam().field.size(); ++i)
        image.setByte(layout::kPttIdCode + i, GetParam().field[i]);
    image.setByte(layout::kPttIdCode + 8, 'Z');  // the next field never leaks in
    EXPECT_EQ(ReadTextField(image, layout::kPttIdCode), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TextFieldRead,
    testing::Values(ReadCase{"empty", {0xFF, '1', '2'}, ""},
                    ReadCase{"four", {'1', '2', '3', '4', 0xFF, 0xFF, 0xFF, 0xFF}, "1234"},
                    ReadCase{"eight", {'A', 'B', 'C', 'D', 'E', 'F', '0', '1'}, "ABCDEF01"},
                    ReadCase{"third pad", {'1', '2', 0xFF, '4', '5'}, "12"},
                    ReadCase{"zero byte kept", {'1', 0x00, '3', 0xFF}, std::string("1\0" "3", 3)}),
    [](const testing::TestParamInfo<ReadCase>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(TextFieldWrite, PadsWithFFAndCutsAtEight)
{
    struct Case {
        std::string text;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"123", {'1', '2', '3', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"123456789", {'1', '2', '3', '4', '5', '6', '7', '8'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        RadioImage image;
        for (std::size_t i = 0; i < 8; ++i)
            image.setByte(layout::kKillCode + i, 0x00);
        image.setByte(layout::kKillCode + 8, 0x42);
        WriteTextField(image, layout::kKillCode, c.text);
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(image.byte(layout::kKillCode + i), c.bytes[i]) << i;
        EXPECT_EQ(image.byte(layout::kKillCode + 8), 0x42);
    }
}

} // namespace
