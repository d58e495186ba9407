#include "codec/c_number.h"

#include <climits>
#include <cmath>

#include <gtest/gtest.h>

namespace {

TEST(LeadingDouble, ReadsLikeAtofInTheCLocale)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0.0},        {"abc", 0.0},       {".", 0.0},         {"145.525", 145.525}, {"  12.5xyz", 12.5},
        {"1.2.3", 1.2},   {"-3.5", -3.5},     {"+7", 7.0},        {".5", 0.5},          {"5.", 5.0},
        {"1e2", 100.0},   {"1e", 1.0},        {"--1", 0.0},       {"+-1", 0.0},         {"1e-400", 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LeadingDouble(c.text), c.value);
    }
    EXPECT_TRUE(std::isinf(LeadingDouble("1e400")));
    EXPECT_TRUE(std::isnan(LeadingDouble("nan")));
}

TEST(LeadingInteger, ReadsLikeAtoiAndSaturates)
{
    struct Case {
        const char* text;
        long long value;
    };
    const Case cases[] = {
        {"", 0}, {"023N", 23}, {"754I", 754}, {" -12x", -12}, {"N", 0}, {"99999999999999999999999", LLONG_MAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LeadingInteger(c.text), c.value);
    }
}

} // namespace
