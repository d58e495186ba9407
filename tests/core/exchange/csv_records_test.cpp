#include "exchange/csv_records.h"
#include "exchange/text_encoding.h"

#include <gtest/gtest.h>

namespace {

struct RecordsCase {
    const char* name;
    std::string_view text;
    char separator;
    std::vector<CsvRecord> expected;
};

class CsvRecordsTest : public testing::TestWithParam<RecordsCase> {};

TEST_P(CsvRecordsTest, SplitsFieldsAndCountsPhysicalLines)
{
    const RecordsCase& c = GetParam();
    const CsvRecords read = ReadCsvRecords(c.text, c.separator);
    ASSERT_EQ(read.records.size(), c.expected.size());
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
        EXPECT_EQ(read.records[i].line, c.expected[i].line) << "record " << i;
        EXPECT_EQ(read.records[i].fields, c.expected[i].fields) << "record " << i;
    }
    EXPECT_EQ(read.unclosedQuoteLine, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CsvRecordsTest,
    testing::Values(
        RecordsCase{"Plain", "a,b\n1,2\n", ',', {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        RecordsCase{"NoFinalLineBreak", "a,b\n1,2", ',', {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        RecordsCase{"CrLfAndLoneCr", "a\r\nb\rc\n", ',', {{1, {"a"}}, {2, {"b"}}, {3, {"c"}}}},
        RecordsCase{"BlankLinesKeepTheirNumbers", "a\n\n\nb\n", ',', {{1, {"a"}}, {2, {""}}, {3, {""}}, {4, {"b"}}}},
        RecordsCase{"QuotedSeparatorAndDoubledQuote", "\"x,y\",\"say \"\"hi\"\"\"\n", ',', {{1, {"x,y", "say \"hi\""}}}},
        RecordsCase{"LineBreakInsideQuotesCountsALine", "\"one\r\ntwo\",3\nnext\n", ',',
                    {{1, {"one\r\ntwo", "3"}}, {3, {"next"}}}},
        RecordsCase{"SpacesBeforeAQuote", "a, \"b,c\" ,d\n", ',', {{1, {"a", "b,c ", "d"}}}},
        RecordsCase{"QuoteInsideAFieldIsText", "ab\"c,d\n", ',', {{1, {"ab\"c", "d"}}}},
        RecordsCase{"EmptyFields", ",,\n", ',', {{1, {"", "", ""}}}},
        RecordsCase{"Semicolons", "a;1,5\n", ';', {{1, {"a", "1,5"}}}}),
    [](const testing::TestParamInfo<RecordsCase>& info) { return std::string(info.param.name); });

TEST(CsvRecordsTest, ReportsAQuoteNeverClosed)
{
    const CsvRecords read = ReadCsvRecords("a\nb,\"open\nstill\n", ',');
    EXPECT_EQ(read.unclosedQuoteLine, 2);
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[1].fields.back(), "open\nstill\n");
}

TEST(CsvRecordsTest, BlankAndCommentRecords)
{
    EXPECT_TRUE(IsBlankRecord({1, {"", " ", "\t"}}));
    EXPECT_FALSE(IsBlankRecord({1, {"", "x"}}));
    EXPECT_TRUE(IsCommentRecord({1, {" # note", "x"}}));
    EXPECT_FALSE(IsCommentRecord({1, {"x", "#"}}));
}

struct SeparatorCase {
    std::string_view text;
    char expected;
};

class SeparatorTest : public testing::TestWithParam<SeparatorCase> {};

TEST_P(SeparatorTest, FollowsTheHeader)
{
    EXPECT_EQ(DetectSeparator(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SeparatorTest,
    testing::Values(SeparatorCase{"Location,Frequency\n1,146,5\n", ','},
                    SeparatorCase{"Location;Frequency;Mode\n1;146,52;FM\n", ';'},
                    SeparatorCase{"# a, comment, with, commas\n\n;;;\nLocation;Frequency\n", ';'},
                    SeparatorCase{",,,\nLocation,Frequency;x\n", ','},
                    SeparatorCase{"Location,\"Name;Alias;Call;Sign\",Frequency\n", ','},
                    SeparatorCase{"Location;\"Name,Alias,Call\";Frequency\n", ';'},
                    SeparatorCase{"Rx Freq\tTx Freq\tRx Tone\n146,52\t\t\n", '\t'},
                    SeparatorCase{"Location,Name,Frequency\n1,a\tb\tc\td,146.52\n", ','},
                    SeparatorCase{"", ','}));

struct DecodeCase {
    std::string_view bytes;
    std::string_view text;
    bool fromWindows1252;
};

class DecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, GivesUtf8)
{
    const DecodedText decoded = DecodeChannelListText(GetParam().bytes);
    EXPECT_EQ(decoded.text, GetParam().text);
    EXPECT_EQ(decoded.fromWindows1252, GetParam().fromWindows1252);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DecodeTest,
    testing::Values(DecodeCase{"\xEF\xBB\xBFLocation", "Location", false},
                    DecodeCase{"Caf\xC3\xA9 \xE2\x82\xAC", "Caf\xC3\xA9 \xE2\x82\xAC", false},
                    DecodeCase{"Caf\xE9 \x80", "Caf\xC3\xA9 \xE2\x82\xAC", true},
                    DecodeCase{"\x81\x9F", "\xC2\x81\xC5\xB8", true},
                    // Overlong, surrogate, beyond U+10FFFF, cut short: none is UTF-8.
                    DecodeCase{"\xC0\xAF", "\xC3\x80\xC2\xAF", true},
                    DecodeCase{"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC", true},
                    DecodeCase{"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC", true},
                    DecodeCase{"ab\xE2\x82", "ab\xC3\xA2\xE2\x80\x9A", true},
                    // UTF-16 and UTF-32, by byte-order mark or by the zero bytes of an ASCII first character.
                    DecodeCase{{"\xFF\xFEL\0\xE9\0\x3D\xD8\xFB\xDC", 10}, "L\xC3\xA9\xF0\x9F\x93\xBB", false},
                    DecodeCase{{"\xFE\xFF\0L\0o", 6}, "Lo", false},
                    DecodeCase{{"L\0o\0", 4}, "Lo", false},
                    DecodeCase{{"\0L\0o", 4}, "Lo", false},
                    DecodeCase{{"\xFF\xFE\0\0L\0\0\0", 8}, "L", false},
                    DecodeCase{{"\0\0\xFE\xFF\0\0\0L", 8}, "L", false},
                    DecodeCase{{"L\0\0\0o\0\0\0", 8}, "Lo", false},
                    DecodeCase{{"\0\0\0L\0\0\0o", 8}, "Lo", false},
                    // A lone surrogate and a unit cut short are no characters.
                    DecodeCase{{"L\0\0\xD8o", 5}, "L\xEF\xBF\xBD\xEF\xBF\xBD", false}));

TEST(CutAtCharacterTest, NeverSplitsACharacter)
{
    EXPECT_EQ(CutAtCharacter("ab\xC3\xA9", 3), "ab");
    EXPECT_EQ(CutAtCharacter("ab\xC3\xA9", 4), "ab\xC3\xA9");
    EXPECT_EQ(CutAtCharacter("\xE2\x82\xAC\xE2\x82\xAC", 5), "\xE2\x82\xAC");
}

} // namespace
