#include "codec/bcd.h"

#include <gtest/gtest.h>

namespace {

TEST(Bcd, ConvertsBothWays)
{
    struct Case {
        std::uint8_t bcd;
        int value;
    };
    const Case cases[] = {{0x00, 0}, {0x09, 9}, {0x10, 10}, {0x45, 45}, {0x99, 99}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(BcdToInt(c.bcd), c.value);
        EXPECT_EQ(IntToBcd(c.value), c.bcd);
    }
}

TEST(Bcd, NibblesAboveNineEnterTheSum)
{
    EXPECT_EQ(BcdToInt(0xFF), 165);
    EXPECT_EQ(BcdToInt(0x0A), 10);
    EXPECT_EQ(BcdToInt(0xA0), 100);
}

TEST(Bcd, IntToBcdTakesTheLowByteFirst)
{
    // 256 + 23 keeps 23; 100 gives ten tens, which spills out of the nibble.
    EXPECT_EQ(IntToBcd(256 + 23), 0x23);
    EXPECT_EQ(IntToBcd(100), 0xA0);
    EXPECT_EQ(IntToBcd(255), static_cast<std::uint8_t>(25 * 16 + 5));
}

} // namespace
