#include "image/text_fill.h"

#include <gtest/gtest.h>

namespace {

struct FillCase {
    const char* name;
    const char* pattern;
    std::vector<std::string> args;
    std::string filled;
};

class TextFillTest : public testing::TestWithParam<FillCase> {};

TEST_P(TextFillTest, PutsTheArgumentsWhereTheMarkersStand)
{
    EXPECT_EQ(FillText(GetParam().pattern, GetParam().args), GetParam().filled);
}

// A translation may reorder or repeat the markers; what an argument holds is
// never read as a marker again.
INSTANTIATE_TEST_SUITE_P(
    Patterns, TextFillTest,
    testing::Values(FillCase{"InOrder", "%1-%2 MHz", {"136", "174"}, "136-174 MHz"},
                    FillCase{"Reordered", "%2 vor %1", {"a", "b"}, "b vor a"},
                    FillCase{"Repeated", "%1 and %1", {"x"}, "x and x"},
                    FillCase{"ArgumentHoldingAMarker", "%1 and %2", {"%2", "x"}, "%2 and x"},
                    FillCase{"MarkerWithoutArgument", "%1 of %3", {"5"}, "5 of %3"},
                    FillCase{"NotAMarker", "100% %0 %", {"x"}, "100% %0 %"},
                    FillCase{"NinthArgument", "%9", {"1", "2", "3", "4", "5", "6", "7", "8", "nine"}, "nine"}),
    [](const testing::TestParamInfo<FillCase>& info) { return std::string(info.param.name); });

std::string reorderingTranslation(const char* english)
{
    return std::string_view(english) == "%1 of %2" ? "%2: %1" : english;
}

// A host's translation reaches the pattern alone: the values, one of them
// looking like the pattern, come through as they are.
TEST(UiTextFill, TranslatesThePatternBeforeFillingItIn)
{
    const UiText text{"%1 of %2", {"%1 of %2", "x"}};
    EXPECT_EQ(FillText(text), "%1 of %2 of x");
    EXPECT_EQ(FillText(text, reorderingTranslation), "x: %1 of %2");
}

} // namespace
