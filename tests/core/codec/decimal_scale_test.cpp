#include "codec/c_number.h"
#include "codec/decimal_scale.h"

#include <cmath>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace {

TEST(DecimalScale, ScalesTheSpecialCasesExactly)
{
    struct Case {
        const char* text;
        double factor;
        double truncated;
    };
    const Case cases[] = {
        {"136.0125", 100000, 13601250},     {"145.123456789", 100000, 14512345}, {"145.525", 100000, 14552500},
        {"462.5625", 100000, 46256250},     {"0.00001", 100000, 1},              {"999.99999", 100000, 99999999},
        {"67.0", 10, 670},                  {"254.1", 10, 2541},                 {"103.5", 10, 1035},
        {"0", 100000, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(std::trunc(DecimalScale(LeadingDouble(c.text), c.factor)), c.truncated);
    }
}

TEST(DecimalScale, PlainDoubleProductWouldLoseAUnit)
{
    // The reason for the decimal path: the double product truncates too low.
    EXPECT_EQ(std::trunc(136.0125 * 100000), 13601249);
    EXPECT_EQ(std::trunc(DecimalScale(136.0125, 100000)), 13601250);
}

TEST(DecimalScale, EveryFiveDecimalTextInTheBandsScalesToItsCount)
{
    // Every count of both bands, written as text with five decimals, read back.
    int checked = 0;
    for (long long count = 13600000; count <= 17400000; count += 7) {
        char text[32];
        std::snprintf(text, sizeof text, "%lld.%05lld", count / 100000, count % 100000);
        ASSERT_EQ(static_cast<long long>(std::trunc(DecimalScale(LeadingDouble(text), 100000))), count) << text;
        ++checked;
    }
    for (long long count = 40000000; count <= 52000000; count += 31) {
        char text[32];
        std::snprintf(text, sizeof text, "%lld.%05lld", count / 100000, count % 100000);
        ASSERT_EQ(static_cast<long long>(std::trunc(DecimalScale(LeadingDouble(text), 100000))), count) << text;
        ++checked;
    }
    EXPECT_GT(checked, 900000);
}

TEST(DecimalScale, ScalingDownGivesTheNearestDoubleOfTheDecimal)
{
    EXPECT_EQ(DecimalScale(13601250, 0.00001), 136.0125);
    EXPECT_EQ(DecimalScale(670, 0.1), 67.0);
    EXPECT_EQ(DecimalScale(2541, 0.1), 254.1);
    EXPECT_EQ(DecimalScale(-2541, 0.1), -254.1);
}

TEST(DecimalScale, NonFiniteValuesPassThrough)
{
    EXPECT_TRUE(std::isinf(DecimalScale(INFINITY, 100000)));
    EXPECT_TRUE(std::isnan(DecimalScale(NAN, 10)));
    EXPECT_EQ(DecimalScale(1e300, 1e300), INFINITY);
}

} // namespace
