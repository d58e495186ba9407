#include "image/image_bytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

std::vector<std::uint8_t> pattern(std::size_t length)
{
    std::vector<std::uint8_t> bytes(length);
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return bytes;
}

TEST(ImageFileBytes, AreTheImageInOffsetOrder)
{
    RadioImage image;
    image.setByte(0, 0x01);
    image.setByte(0x3D3, 0x38);
    image.setByte(1023, 0x02);
    const std::vector<std::uint8_t> bytes = ImageFileBytes(image);
    ASSERT_EQ(bytes.size(), RadioImage::kSize);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), image.bytes().begin()));
}

// Only exactly one image's worth loads; anything else leaves the image as it was.
TEST(LoadImageFileBytes, TakesExactlyOneImage)
{
    const std::size_t lengths[] = {0, 1, 1023, 1024, 1025, 2048};
    for (std::size_t length : lengths) {
        SCOPED_TRACE(length);
        RadioImage image;
        const RadioImage before = image;
        const std::vector<std::uint8_t> bytes = pattern(length);
        const bool loaded = LoadImageFileBytes(bytes, image);
        EXPECT_EQ(loaded, length == RadioImage::kSize);
        if (loaded)
            EXPECT_EQ(ImageFileBytes(image), bytes);
        else
            EXPECT_EQ(image, before);
    }
}

// A load that runs out of bytes fails, and so does everything after it; the
// image keeps its bytes.
TEST(CArchive, AShortLoadFailsAndTheFailureSticks)
{
    std::vector<std::uint8_t> bytes = pattern(1000);
    CArchive ar(bytes, CArchive::load);
    RadioImage image;
    const RadioImage before = image;
    SerializeImage(ar, image);
    EXPECT_FALSE(ar.ok());
    EXPECT_EQ(image, before);

    bytes.resize(5000);
    std::uint8_t b = 0x55;
    ar >> b;
    EXPECT_FALSE(ar.ok());
    EXPECT_EQ(b, 0x55);
}

TEST(CArchive, StoringAndLoadingAreNotMixed)
{
    std::vector<std::uint8_t> bytes = pattern(4);
    std::uint8_t b = 0;
    CArchive storing(bytes, CArchive::store);
    storing >> b;
    EXPECT_FALSE(storing.ok());

    CArchive loading(bytes, CArchive::load);
    loading << 0x11;
    EXPECT_FALSE(loading.ok());
    EXPECT_EQ(bytes, pattern(4));
}

} // namespace
