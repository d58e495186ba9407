#include "codec/frequency.h"

#include <gtest/gtest.h>

namespace {

struct BcdCase {
    std::uint32_t count;
    FrequencyBytes bytes;
    const char* text;
};

class FrequencyBcd : public testing::TestWithParam<BcdCase> {};

TEST_P(FrequencyBcd, EncodesDecodesAndFormats)
{
    const BcdCase& c = GetParam();
    EXPECT_EQ(EncodeFrequency(c.count), c.bytes);
    EXPECT_EQ(DecodeFrequency(c.bytes), c.count);
    EXPECT_EQ(FormatFrequency(c.count), c.text);
    EXPECT_EQ(ParseFrequency(c.text), c.count);
}

INSTANTIATE_TEST_SUITE_P(Examples, FrequencyBcd,
                         testing::Values(BcdCase{14552500, {0x00, 0x25, 0x55, 0x14}, "145.52500"},
                                         BcdCase{13601250, {0x50, 0x12, 0x60, 0x13}, "136.01250"},
                                         BcdCase{46256250, {0x50, 0x62, 0x25, 0x46}, "462.56250"},
                                         BcdCase{17400000, {0x00, 0x00, 0x40, 0x17}, "174.00000"},
                                         BcdCase{99999999, {0x99, 0x99, 0x99, 0x99}, "999.99999"},
                                         BcdCase{1, {0x01, 0x00, 0x00, 0x00}, "0.00001"}));

TEST(FrequencyBcd, InvalidNibblesStillDecode)
{
    EXPECT_EQ(DecodeFrequency({0xFF, 0xFF, 0xFF, 0xFF}), 165u * 1000000 + 165 * 10000 + 165 * 100 + 165);
}

TEST(ParseFrequency, ReadsTheLeadingNumberAndTruncates)
{
    struct Case {
        const char* text;
        std::uint32_t count;
    };
    const Case cases[] = {
        {"", 0},
        {"abc", 0},
        {".", 0},
        {"0", 0},
        {"145.123456789", 14512345},
        {"1.2.3", 120000},
        {"100", 10000000},
        {"-145.5", 0},          // a negative number is no frequency
        {"0.000001", 0},        // below 10 Hz
        {"nan", 0},             // not a number
        {"42949.67295", 0xFFFFFFFF},
        {"42949.67296", 0xFFFFFFFF},  // does not fit 32 bits: above every band
        {"99999999999999999999", 0xFFFFFFFF},
        {"inf", 0xFFFFFFFF},
        {"1e400", 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseFrequency(c.text), c.count);
    }
    // 304 digits scale to a finite double, 305 digits beyond one, and 400
    // digits are too large for a double to begin with.
    for (const std::size_t digits : {303u, 304u, 305u, 400u}) {
        SCOPED_TRACE(digits);
        EXPECT_EQ(ParseFrequency(std::string(digits, '9')), 0xFFFFFFFFu);
    }
}

TEST(SnapToStep, LowersOntoTheNearerRasterWithTiesTo5kHz)
{
    struct Case {
        std::uint32_t count;
        std::uint32_t snapped;
    };
    const Case cases[] = {
        {14553100, 14553000},  // r5 100, r6 600: 5 kHz
        {13600250, 13600000},  // r5 250, r6 250: tie, 5 kHz
        {13600700, 13600625},  // r5 200, r6 75: 6.25 kHz
        {14512345, 14512000},  // r5 345, r6 470
        {14501300, 14501250},  // r5 300, r6 50
        {14500100, 14500000},  // tie 100/100
        {40000310, 40000000},  // tie 310/310
        {44600625, 44600625},  // on the 6.25 kHz raster
        {44600500, 44600500},  // on the 5 kHz raster
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(SnapToStep(c.count), c.snapped);
        EXPECT_LE(SnapToStep(c.count), c.count);
    }
}

TEST(BandLimits, AreReadFromTheBandText)
{
    struct Case {
        const char* text;
        bool set;
        std::uint32_t low;
        std::uint32_t high;
    };
    const Case cases[] = {
        {"136-174MHz", true, 13600000, 17400000},
        {"400-520MHz", true, 40000000, 52000000},
        {" 136- 480MHz", true, 13600000, 48000000},
        {"", false, 1, 2},
        {"136", false, 1, 2},
        {"MHz", false, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        g_bandLow = 1;
        g_bandHigh = 2;
        EXPECT_EQ(SetBandLimits(c.text), c.set);
        EXPECT_EQ(g_bandLow, c.low);
        EXPECT_EQ(g_bandHigh, c.high);
    }
}

} // namespace
