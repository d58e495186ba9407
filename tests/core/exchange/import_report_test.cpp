#include "exchange_fixtures.h"
#include "exchange/import_report.h"

#include <gtest/gtest.h>

namespace {

std::string english(const char* text)
{
    return text;
}

struct SummaryCase {
    const char* name;
    std::string file;
    std::string rows;
    std::string rowsAndChannels;
};

class ImportSummaryTest : public testing::TestWithParam<SummaryCase> {};

TEST_P(ImportSummaryTest, CountsTakeTheirSingularAtOne)
{
    RadioImage base = NewImage();
    StoreChannelSettings(Simplex(14652000), base.channel(2));
    const ImportResult result = ImportChannelsCsv(GetParam().file, base, {});
    EXPECT_EQ(ImportSummaryText(result, english), GetParam().rows);
    EXPECT_EQ(ImportSummaryText(result, english, true), GetParam().rowsAndChannels);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, ImportSummaryTest,
    testing::Values(
        SummaryCase{"OneAndOne", "Location,Frequency\n1,146.52\n", "1 row loaded, 0 skipped.",
                    "1 row loaded, 0 skipped; 1 channel changes."},
        SummaryCase{"OneAndNone", "Location,Frequency\n2,146.52\n", "1 row loaded, 0 skipped.",
                    "1 row loaded, 0 skipped; 0 channels change."},
        SummaryCase{"TwoAndOne", "Location,Frequency\n1,146.52\n2,146.52\nx\n", "2 rows loaded, 1 skipped.",
                    "2 rows loaded, 1 skipped; 1 channel changes."},
        SummaryCase{"NoneAndNone", "Location,Frequency\n1,1\n", "0 rows loaded, 1 skipped.",
                    "0 rows loaded, 1 skipped; 0 channels change."},
        SummaryCase{"TwoAndTwo", "Location,Frequency\n1,146.52\n3,146.52\n", "2 rows loaded, 0 skipped.",
                    "2 rows loaded, 0 skipped; 2 channels change."}),
    [](const testing::TestParamInfo<SummaryCase>& info) { return std::string(info.param.name); });

TEST(ImportReportTextTest, ALineIsTranslatedBeforeTheFilesValuesGoIn)
{
    const ImportResult result = ImportChannelsCsv("Location,Frequency,Mode\n1,146.52,%1\x1B\n", NewImage(), {});
    const auto marked = [](const char* text) { return "[" + std::string(text) + "]"; };
    EXPECT_EQ(ImportReportTexts(result, marked),
              std::vector<std::string>{
                  "[Line 2, skipped: [Mode \"%1\\x1B\" is not FM or NFM, the only modes of this radio.]]"});
}

TEST(ImportReportTextTest, AFileWithoutAFrequencyHeadingIsToldTheHeadingsRead)
{
    const ImportResult result = ImportChannelsCsv("Chan,Freq\n1,146.52\n", NewImage(), {});
    const std::vector<std::string> texts = ImportReportTexts(result, english);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "The file has no Frequency column, so it holds no channels this program can read.");
    EXPECT_EQ(texts[1], "The headings it reads: Location, Name, Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, "
                        "DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment, URCALL, "
                        "RPT1CALL, RPT2CALL, DVCODE, Busy, CH, Channel, Rx Freq, Tx Freq, Rx Tone, Tx Tone, Bandwidth, "
                        "Scan, CTCSS.");
}

} // namespace
