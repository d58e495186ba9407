#include "form/ptt_id_code.h"
#include "form/utf8_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ShownCase {
    const char* typed;
    const char* shown;
    bool storable;
};

// The edit's upper case keeps every character within one byte: the micro
// sign, the sharp s and y with diaeresis have their capitals beyond Latin-1
// and stay; the dotless i and the long s become I and S.
TEST(PttIdCode, ShowsUpperCaseWithinLatin1)
{
    const ShownCase cases[] = {
        {"abc123", "ABC123", true},
        {"*#", "*#", true},
        {"\u00E9\u00FE", "\u00C9\u00DE", true},
        {"\u00B5\u00DF", "\u00B5\u00DF", true},
        {"\u00F7", "\u00F7", true},
        {"\u00FF", "\u00FF", false},
        {"\u0131\u017F", "IS", true},
        {"\u03B1", "\u03B1", false},
        {"a\U0001F600", "A\U0001F600", false},
        {"", "", true},
    };
    for (const ShownCase& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::string shown = PttIdCodeShown(c.typed);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(PttIdCodeStorable(shown), c.storable);
    }
}

TEST(Utf8Text, Latin1CodesRoundTripThroughUtf8)
{
    std::string every;
    for (int b = 1; b < 256; ++b)
        every.push_back(static_cast<char>(b));
    const std::string utf8 = Latin1ToUtf8(every);
    EXPECT_EQ(utf8.size(), 127u + 2u * 128u);
    EXPECT_EQ(Utf8ToLatin1(utf8), every);
}

// What cannot be one byte is a '?' for each UTF-16 unit it takes, and bytes
// that are no UTF-8 read as U+FFFD, beyond Latin-1 as well.
TEST(Utf8Text, WhatIsNoLatin1BecomesQuestionMarks)
{
    EXPECT_EQ(Utf8ToLatin1("A\u0416B"), "A?B");
    EXPECT_EQ(Utf8ToLatin1("A\U0001F600B"), "A??B");
    EXPECT_EQ(Utf8ToLatin1("A\xC3"), "A?");
    EXPECT_EQ(Utf8ToLatin1("\xE0\x80\x80"), "?");
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), std::u32string(1, U'\uFFFD'));
    EXPECT_EQ(EncodeUtf8(DecodeUtf8("a\u00E9\u20AC\U0001F600")), "a\u00E9\u20AC\U0001F600");
}

} // namespace
