#include "image/image_layout.h"
#include "image/radio_image.h"

#include <gtest/gtest.h>

namespace {

TEST(RadioImageReset, MatchesTheNewImageByteForByte)
{
    RadioImage image;
    image.setByte(0x000, 0x12);
    image.setByte(0x3D7, 0x55);
    image.ResetToDefaults();

    RadioImage::Bytes expected;
    expected.fill(0xFF);
    const std::uint8_t settings[] = {0x27, 0x05, 0x03, 0x02, 0x10, 0x17, 0x42, 0x00, 0x05, 0x04, 0x07, 0x07};
    for (std::size_t i = 0; i < std::size(settings); ++i)
        expected[0x3C0 + i] = settings[i];
    expected[0x3D2] = 0xEE;
    expected[0x3D3] = 0x37;
    expected[0x3D7] = 0x00;
    for (std::size_t n = 1; n <= 16; ++n)
        expected[n * 16 + 12] = 0xFB;

    for (std::size_t i = 0; i < RadioImage::kSize; ++i)
        ASSERT_EQ(image.byte(i), expected[i]) << "offset " << i;
}

TEST(RadioImageAccess, ChannelsAndBlocksAreViewsOfTheSameBytes)
{
    struct Case {
        int channel;
        std::size_t offset;
    };
    const Case cases[] = {{1, 0x010}, {2, 0x020}, {15, 0x0F0}, {16, 0x100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.channel);
        RadioImage image;
        image.channel(c.channel)[layout::kChannelFlags] = 0x5A;
        EXPECT_EQ(image.byte(c.offset + 12), 0x5A);
        EXPECT_EQ(image.block(c.offset / 8 + 1)[4], 0x5A);
        // Neighbouring channels are untouched.
        EXPECT_EQ(image.byte(c.offset + 12 - 16), 0xFF);
        EXPECT_EQ(image.byte(c.offset + 12 + 16), 0xFF);
    }
}

TEST(RadioImageAccess, BlockWritesLandAtEightTimesTheirIndex)
{
    RadioImage image;
    for (std::size_t k = 0; k < RadioImage::kBlockCount; ++k)
        for (std::size_t i = 0; i < RadioImage::kBlockSize; ++i)
            image.block(k)[i] = static_cast<std::uint8_t>(k * 8 + i);
    for (std::size_t offset = 0; offset < RadioImage::kSize; ++offset)
        ASSERT_EQ(image.byte(offset), static_cast<std::uint8_t>(offset));
}

TEST(RadioImageAccess, WholeImageCopyKeepsEveryByte)
{
    RadioImage a;
    RadioImage::Bytes bytes;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    a.setBytes(bytes);
    RadioImage b = a;
    EXPECT_EQ(b.bytes(), bytes);
    b.setByte(1000, 0);
    EXPECT_NE(a, b);
}

} // namespace
