// Comparing what a write sent with what the radio gives back afterwards.

#include "form/write_verify.h"
#include "image/image_layout.h"
#include "sim/demo_image.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct StoredWrong {
    const char* name;
    std::vector<std::size_t> offsets;   // bytes the radio gave back inverted
    std::vector<BlockMismatch> mismatches;
};

void PrintTo(const StoredWrong& c, std::ostream* os)
{
    *os << c.name;
}

const StoredWrong kCases[] = {
    {"AllTaken", {}, {}},
    {"ChannelTone", {0x18}, {{0x018, {"Channel 1 Rx Tone"}}}},
    {"ChannelFlags", {0x1C}, {{0x018, {"Channel 1 Busy", "Channel 1 Power", "Channel 1 Bandwidth", "Channel 1 Scan"}}}},
    {"ChannelPadding", {0x1F}, {{0x018, {}}}},
    {"Setting", {layout::kVox}, {{0x3C0, {"Vox Switch", "Vox Gain Level"}}}},
    {"FunctionByte", {layout::kFunctionBits}, {{0x3C0, {"Voice", "Beep", "Battery Saver"}}}},
    {"PttIdCode", {layout::kPttIdCode + 7}, {{0x3B0, {"PTT ID Code"}}}},
    {"OutsideTheForm", {0x3E8}, {{0x3E8, {}}}},
    {"FirstAndLastWrittenBlocks", {0x000, 0x3EF}, {{0x000, {}}, {0x3E8, {}}}},
    {"StretchesAWriteNeverSends", {0x300, 0x31F, 0x3F0, 0x3FF}, {}},
    {"SeveralBlocks", {0x10, 0x11, 0x3C1}, {{0x010, {"Channel 1 Rx Freq"}}, {0x3C0, {"Squelch Level"}}}},
};

class WriteVerify : public testing::TestWithParam<StoredWrong> {};

TEST_P(WriteVerify, FindsTheBlocksStoredWrong)
{
    const StoredWrong& c = GetParam();
    const RadioImage written = DemoRadioImage();
    RadioImage readBack = written;
    for (const std::size_t offset : c.offsets)
        readBack.setByte(offset, static_cast<std::uint8_t>(~readBack.byte(offset)));
    EXPECT_EQ(VerifyWrittenBlocks(written, readBack), c.mismatches);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteVerify, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteVerifyText, SaysVerifiedOrListsTheBlocks)
{
    EXPECT_EQ(VerifyText({}), "Verified.\n");
    EXPECT_EQ(VerifyText({{0x018, {"Channel 1 Rx Tone", "Channel 1 Busy"}}, {0x3E8, {}}}),
              "Verify failed\n"
              "0x018: Channel 1 Rx Tone, Channel 1 Busy\n"
              "0x3E8: (radio data outside the form)\n");
}

} // namespace
