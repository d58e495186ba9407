#include "form/cell_commit.h"

#include "codec/tone.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kVhfLow = 13600000;
constexpr std::uint32_t kVhfHigh = 17400000;

// Neither a sign nor an exponent can be typed; the commit still reads a
// negative number as no frequency and an infinite one as above the band.
TEST(CommitFrequency, NegativeValuesGiveNoFrequencyAndInfiniteOnesTheBandTop)
{
    struct Case {
        const char* text;
        const char* stored;
    };
    for (const Case c : {Case{"-145.5", ""}, Case{"-0.001", ""}, Case{"nan", ""}, Case{"-inf", ""},
                         Case{"inf", "174.00000"}, Case{"1e400", "174.00000"}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CommitFrequency(c.text, kVhfLow, kVhfHigh).text, c.stored);
    }
}

struct CorrectionCase {
    const char* typed;
    const char* stored;
    FrequencyCorrection correction;
};

// The correction names the one change the status bar reports: the band edge
// wins over the raster, and a frequency already on a raster is no change.
TEST(CommitFrequency, SaysWhichCorrectionItMade)
{
    const CorrectionCase cases[] = {
        {"145.5", "145.50000", FrequencyCorrection::None},
        {"145.0125", "145.01250", FrequencyCorrection::None},
        {"145.12345", "145.12000", FrequencyCorrection::LoweredOntoRaster},
        {"100", "136.00000", FrequencyCorrection::RaisedToBand},
        {"200", "174.00000", FrequencyCorrection::LoweredToBand},
        {"146,52", "146.52000", FrequencyCorrection::None},
        {"0", "", FrequencyCorrection::None},
        {"0.000001", "", FrequencyCorrection::None},
        {"0.00001", "136.00000", FrequencyCorrection::RaisedToBand},
        {"", "", FrequencyCorrection::None},
        // A character beyond ASCII ends the number as any other letter does.
        {"145.5\u00E9", "145.50000", FrequencyCorrection::None},
    };
    for (const CorrectionCase& c : cases) {
        SCOPED_TRACE(c.typed);
        const CommittedFrequency committed = CommitFrequency(c.typed, kVhfLow, kVhfHigh);
        EXPECT_EQ(committed.text, c.stored);
        EXPECT_EQ(committed.correction, c.correction);
    }
}

TEST(NewChannelCells, TakeTheFrequencyForBothAndTheDefaultsForTheRest)
{
    const ChannelCells cells = NewChannelCells("145.50000");
    const ChannelCells expected = {"145.50000", "145.50000", "Off", "Off", "Off", "High", "Wide", "Add"};
    EXPECT_EQ(cells, expected);
}

TEST(StorableToneText, EveryEntryOfTheToneListIsAcceptedAsItStands)
{
    std::vector<std::string> tones;
    BuildToneList(tones);
    ASSERT_EQ(tones.size(), static_cast<std::size_t>(kToneListSize));
    for (const std::string& tone : tones)
        EXPECT_EQ(StorableToneText(tone), tone) << tone;
}

struct ToneTextCase {
    const char* typed;
    std::optional<std::string> stored;
};

// Upper case as the desktop's editor has it: letters beyond ASCII whose upper
// case is an ASCII letter (the dotless i) count as that letter.
TEST(StorableToneText, UpperCasesLikeTheDesktopAndRefusesTheRest)
{
    const ToneTextCase cases[] = {
        {"oFf", "Off"},
        {"OFF", "Off"},
        {"d023n", "D023N"},
        {"D023\u0131", "D023I"},
        {"D023\u00CE", std::nullopt},
        {"67\u00B7", std::nullopt},
        {"\u00F6ff", std::nullopt},
        {"", std::nullopt},
    };
    for (const ToneTextCase& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(StorableToneText(c.typed), c.stored);
    }
}

} // namespace
