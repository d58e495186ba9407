// File names as bytes: every name, UTF-8 or not, comes back byte for byte,
// and only bytes that are not UTF-8 text are carried as U+DC80-U+DCFF.

#include "document/display_path.h"
#include "document/path_bytes.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* name;
    QByteArray bytes;
    bool undecoded;     // whether a byte is carried apart from the text
    const char* shown;  // as messages show it
};

void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << c.name;
}

const NameCase kNames[] = {
    {"Ascii", "radio.sin", false, "radio.sin"},
    {"Utf8", "r\xC3\xA4" "dio.sin", false, "r\xC3\xA4" "dio.sin"},
    {"LoneByte", "bad\xEF.sin", true, "bad\\xEF.sin"},
    {"SequenceCutShort", "a\xE2\x82", true, "a\\xE2\\x82"},
    {"Latin1", "caf\xE9", true, "caf\\xE9"},
    // U+10080 is the pair D800 DC80: its second half is text, not a byte.
    {"PairEndingInTheEscapeRange", "\xF0\x90\x82\x80", false, "\xF0\x90\x82\x80"},
    {"ReplacementCharacterAsText", "x\xEF\xBF\xBD", false, "x\\uFFFD"},
};

class PathBytesName : public testing::TestWithParam<NameCase> {};

TEST_P(PathBytesName, ComesBackByteForByte)
{
    const NameCase& c = GetParam();
    const QString path = PathFromBytes(c.bytes);
    EXPECT_EQ(PathBytes(path), c.bytes);
    EXPECT_EQ(HoldsUndecodedBytes(path), c.undecoded);
    EXPECT_EQ(DisplayPath(path), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Names, PathBytesName, testing::ValuesIn(kNames),
                         [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

} // namespace
