#include "image/shown_text.h"

#include <gtest/gtest.h>

namespace {

struct ShownCase {
    const char* name;
    std::string text;
    std::string shown;
};

class ShownTextTest : public testing::TestWithParam<ShownCase> {};

TEST_P(ShownTextTest, EscapesWhatATerminalWouldActOn)
{
    EXPECT_EQ(ShownText(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShownTextTest,
    testing::Values(ShownCase{"Plain", "CH 1 Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\xBB", "CH 1 Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\xBB"},
                    ShownCase{"EscapeSequence", "a\x1B[2Jb", "a\\x1B[2Jb"},
                    ShownCase{"Nul", std::string("a\0b", 3), "a\\x00b"},
                    ShownCase{"LineBreaksAndTab", "a\r\n\tb", "a\\x0D\\x0A\\x09b"},
                    ShownCase{"Delete", "a\x7F", "a\\x7F"},
                    ShownCase{"C1ControlSequenceIntroducer", "a\xC2\x9B" "2J", "a\\u009B2J"},
                    ShownCase{"RightToLeftOverride", "a\xE2\x80\xAE" "b", "a\\u202Eb"},
                    ShownCase{"ByteStartingNoCharacter", "a\xFF\xC3", "a\\xFF\\xC3"}),
    [](const testing::TestParamInfo<ShownCase>& info) { return std::string(info.param.name); });

} // namespace
