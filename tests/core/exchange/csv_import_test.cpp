#include "exchange_fixtures.h"

#include <gtest/gtest.h>

namespace {

// What a file written by another tool loads into channel 1 of an HM-615V.
struct OtherToolCase {
    const char* name;
    std::string bytes;
    ChannelSettings expected;
    int channel = 1;
};

ChannelSettings tones(std::uint32_t count, const char* rx, const char* tx)
{
    ChannelSettings s = Simplex(count);
    s.rxTone = Tone(rx);
    s.txTone = Tone(tx);
    return s;
}

ChannelSettings offset(std::uint32_t rx, std::uint32_t tx)
{
    ChannelSettings s = Simplex(rx);
    s.txCount = tx;
    return s;
}

ChannelSettings flags(bool high, bool narrow, bool scanAdd, BusyLockout busy = BusyLockout::Off)
{
    ChannelSettings s = Simplex(14652000);
    s.highPower = high;
    s.narrow = narrow;
    s.scanAdd = scanAdd;
    s.busy = busy;
    return s;
}

// An ASCII text in UTF-16 or UTF-32 (unit 2 or 4 bytes), little-endian
// unless big, with a byte-order mark when bom.
std::string wide(std::string_view ascii, std::size_t unit, bool big, bool bom)
{
    const auto character = [&](char low, char high) {
        std::string bytes(unit, '\0');
        bytes[big ? unit - 1 : 0] = low;
        bytes[big ? unit - 2 : 1] = high;
        return bytes;
    };
    std::string out = bom ? character('\xFF', '\xFE') : std::string();
    for (const char c : ascii)
        out += character(c, '\0');
    return out;
}

std::string row(const std::string& toneColumns, const std::string& rest = "FM,5.00,,5.0W,,,,,")
{
    return std::string(kHeader) + "\n1,,146.520000,,0.000000," + toneColumns + "," + rest + "\n";
}

void expectChannel(const RadioImage& image, int n, const ChannelSettings& expected)
{
    const ChannelSettings got = ReadChannelSettings(image.channel(n));
    EXPECT_EQ(got.rxCount, expected.rxCount);
    EXPECT_EQ(got.txCount, expected.txCount);
    EXPECT_EQ(FormatTone(got.rxTone), FormatTone(expected.rxTone));
    EXPECT_EQ(FormatTone(got.txTone), FormatTone(expected.txTone));
    EXPECT_EQ(got.busy, expected.busy);
    EXPECT_EQ(got.highPower, expected.highPower);
    EXPECT_EQ(got.narrow, expected.narrow);
    EXPECT_EQ(got.scanAdd, expected.scanAdd);
}

ImportOptions renumbered(std::optional<std::vector<int>> chosenLines = std::nullopt)
{
    ImportOptions options;
    options.renumber = true;
    options.chosenLines = std::move(chosenLines);
    return options;
}

ImportOptions forModel(const char* modelText)
{
    ImportOptions options;
    options.model = ModelByText(modelText);
    return options;
}

class OtherToolsFileTest : public testing::TestWithParam<OtherToolCase> {};

TEST_P(OtherToolsFileTest, LoadsTheChannel)
{
    const OtherToolCase& c = GetParam();
    const ImportResult result = ImportChannelsCsv(c.bytes, NewImage(), {});
    ASSERT_NE(result.status, ImportStatus::Failed) << testing::PrintToString(ReportTexts(result));
    for (const ReportLine& line : result.report)
        EXPECT_NE(line.kind, ReportKind::Skipped) << FilledText(line);
    expectChannel(result.image, c.channel, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OtherToolsFileTest,
    testing::Values(
        OtherToolCase{"OldestHeader", "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment\n"
                                      "1,CALL,146.520000,+,0.600000,Tone,100.0,88.5,023,NN,NFM,5.00,S,\n",
                      [] { ChannelSettings s = tones(14652000, "Off", "100.0"); s.txCount = 14712000; s.narrow = true; s.scanAdd = false; return s; }()},
        OtherToolCase{"OtherOrderAndCase", " frequency ,\"LOCATION\",mode,tone,ctonefreq\n146.52,4,nfm,tsql,123.0\n",
                      [] { ChannelSettings s = tones(14652000, "123.0", "123.0"); s.narrow = true; return s; }(), 4},
        OtherToolCase{"BankAndUnknownColumns", "Location,Bank,Frequency,Bank Index,Extra\n1,A,146.520000,0,x\n", Simplex(14652000)},
        OtherToolCase{"ByteOrderMark", "\xEF\xBB\xBF" + row("," + std::string("88.5,88.5,023,NN,023,Tone->Tone")), Simplex(14652000)},
        OtherToolCase{"Utf16WithMark", wide("Location,Frequency\r\n1,146.52\r\n", 2, false, true), Simplex(14652000)},
        OtherToolCase{"Utf16BigEndian", wide("Location,Frequency\n1,146.52\n", 2, true, false), Simplex(14652000)},
        OtherToolCase{"Utf32WithMark", wide("Location,Frequency\n1,146.52\n", 4, false, true), Simplex(14652000)},
        OtherToolCase{"Utf32BigEndian", wide("Location,Frequency\n1,146.52\n", 4, true, false), Simplex(14652000)},
        OtherToolCase{"Windows1252Name", "Location,Name,Frequency\n1,Caf\xE9,146.52\n", Simplex(14652000)},
        OtherToolCase{"SemicolonsDecimalCommas", "Location;Frequency;Duplex;Offset;Tone;rToneFreq;Power\n1;146,52;-;0,6;Tone;67,0;0,5W\n",
                      [] { ChannelSettings s = tones(14652000, "Off", "67.0"); s.txCount = 14592000; s.highPower = false; return s; }()},
        OtherToolCase{"QuotedFieldsAndLineBreaks", "Location,Name,Frequency,Comment\n1,\"Club, north\",\"146.520000\",\"two\nlines\"\n", Simplex(14652000)},
        OtherToolCase{"CommentsAndCommasOnlyLines", "# exported\n,,,\nLocation,Frequency\n# a row\n,,\n1,146.52\n", Simplex(14652000)},
        OtherToolCase{"ShortRow", std::string(kHeader) + "\n1,,146.52\n", Simplex(14652000)},
        OtherToolCase{"Split", std::string(kHeader) + "\n1,,140.000000,split,170.000000\n", offset(14000000, 17000000)},
        OtherToolCase{"Off", std::string(kHeader) + "\n1,,156.800000,off,0.000000\n", offset(15680000, 0)},
        OtherToolCase{"ToneWithFillers", row("Tone,88.5,123.0,754,RR,023,DTCS->DTCS"), tones(14652000, "Off", "88.5")},
        OtherToolCase{"TsqlUsesCToneFreq", row("TSQL,67.0,71.9,023,NN,023,Tone->Tone"), tones(14652000, "71.9", "71.9")},
        OtherToolCase{"DtcsNN", row("DTCS,88.5,88.5,023,NN,754,Tone->Tone"), tones(14652000, "D023N", "D023N")},
        OtherToolCase{"DtcsNR", row("DTCS,88.5,88.5,023,NR,754,Tone->Tone"), tones(14652000, "D023I", "D023N")},
        OtherToolCase{"DtcsRN", row("DTCS,88.5,88.5,023,RN,754,Tone->Tone"), tones(14652000, "D023N", "D023I")},
        OtherToolCase{"DtcsRR", row("DTCS,88.5,88.5,23,RR,754,Tone->Tone"), tones(14652000, "D023I", "D023I")},
        OtherToolCase{"CrossToneTone", row("Cross,67.0,71.9,023,NN,023,Tone->Tone"), tones(14652000, "71.9", "67.0")},
        OtherToolCase{"CrossToneDtcs", row("Cross,67.0,71.9,025,NR,754,Tone->DTCS"), tones(14652000, "D754I", "67.0")},
        OtherToolCase{"CrossDtcsTone", row("Cross,67.0,71.9,025,RN,754,DTCS->Tone"), tones(14652000, "71.9", "D025I")},
        OtherToolCase{"CrossDtcsDtcs", row("Cross,67.0,71.9,025,NN,754,DTCS->DTCS"), tones(14652000, "D754N", "D025N")},
        OtherToolCase{"CrossRxTone", row("Cross,67.0,71.9,025,NN,754,->Tone"), tones(14652000, "71.9", "Off")},
        OtherToolCase{"CrossRxDtcs", row("Cross,67.0,71.9,025,NN,754,->DTCS"), tones(14652000, "D754N", "Off")},
        OtherToolCase{"CrossTxTone", row("Cross,67.0,71.9,025,NN,754,Tone->"), tones(14652000, "Off", "67.0")},
        OtherToolCase{"CrossTxDtcs", row("Cross,67.0,71.9,025,NN,754,DTCS->"), tones(14652000, "Off", "D025N")},
        OtherToolCase{"CrossWithoutRxDtcsCodeColumn", "Location,Frequency,Tone,DtcsCode,DtcsPolarity,CrossMode\n1,146.52,Cross,025,NN,DTCS->DTCS\n",
                      tones(14652000, "D025N", "D025N")},
        OtherToolCase{"Wattage", row("," + std::string("88.5,88.5,023,NN,023,Tone->Tone"), "FM,5.00,,2.5W,,,,,"), flags(false, false, true)},
        OtherToolCase{"WattageThreshold", row("," + std::string("88.5,88.5,023,NN,023,Tone->Tone"), "FM,5.00,,3 W,,,,,"), flags(true, false, true)},
        OtherToolCase{"LevelWord", row("," + std::string("88.5,88.5,023,NN,023,Tone->Tone"), "NFM,5.00,s,low,,,,,"), flags(false, true, false)},
        OtherToolCase{"Busy", "Location,Frequency,Busy\n1,146.52,qt/dqt\n", flags(true, false, true, BusyLockout::QtDqt)},
        OtherToolCase{"GridHeadings", "CH,Rx Freq,Tx Freq,Rx Tone,Tx Tone,Busy,Power,Bandwidth,Scan\n"
                                      "3,146.52,147.12,67.0,d023n,Carrier,Low,Narrow,Del\n",
                      [] { ChannelSettings s = tones(14652000, "67.0", "D023N"); s.txCount = 14712000; s.busy = BusyLockout::Carrier;
                           s.highPower = false; s.narrow = true; s.scanAdd = false; return s; }(), 3},
        OtherToolCase{"GridRowsWithoutTransmit", "Rx Freq\tTx Freq\n146.52\t\n", offset(14652000, 0)},
        OtherToolCase{"SimpleToolHeadings", "Channel,RX Freq,TX Freq,CTCSS,Power\n2,146.52,146.52,88.5,High\n", tones(14652000, "88.5", "88.5"), 2},
        OtherToolCase{"ToneColumnsGiveWayToTheProgramsOwn", "Location;Frequency;Tone;cToneFreq;CTCSS;Tx Tone;Scan\n1;146,52;TSQL;71,9;67,0;off;add\n",
                      tones(14652000, "67.0", "Off")}),
    [](const testing::TestParamInfo<OtherToolCase>& info) { return std::string(info.param.name); });

// Rows that cannot be used: each skipped with the line it is on.
struct SkipCase {
    const char* name;
    std::string rows;   // after the header line, which is line 2 (line 1 a comment)
    std::string report;
};

class SkippedRowTest : public testing::TestWithParam<SkipCase> {};

TEST_P(SkippedRowTest, ReportsTheLineAndReason)
{
    const std::string file = "# list\n" + std::string(kHeader) + ",Busy\n3,,146.52\n" + GetParam().rows;
    const ImportResult result = ImportChannelsCsv(file, NewImage(), {});
    EXPECT_EQ(result.status, ImportStatus::SomeSkipped);
    EXPECT_EQ(ReportTexts(result), std::vector<std::string>{GetParam().report});
    EXPECT_EQ(ReadChannelSettings(result.image.channel(3)).rxCount, 14652000u) << "the other rows still load";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SkippedRowTest,
    testing::Values(
        SkipCase{"EmptyFrequency", "\n1,,\n", "5: The row has no Frequency."},
        SkipCase{"ZeroFrequency", "1,,0.000\n", "4: Frequency \"0.000\" is zero."},
        SkipCase{"NotANumber", "1,,146.5x\n", "4: Frequency \"146.5x\" is not a number."},
        SkipCase{"Negative", "1,,-146.52\n", "4: Frequency \"-146.52\" is negative."},
        SkipCase{"NegativeOffset", "1,,146.52,+,-0.6\n", "4: Offset \"-0.6\" is negative."},
        SkipCase{"LocationZero", "0,,146.52\n", "4: Location \"0\" is not one of this radio's channels 1 to 16."},
        SkipCase{"LocationSeventeen", "17,,146.52\n", "4: Location \"17\" is not one of this radio's channels 1 to 16."},
        SkipCase{"LocationNotANumber", "x1,,146.52\n", "4: Location \"x1\" is not a whole number."},
        SkipCase{"LocationEmpty", ",,146.52\n", "4: The row has no Location."},
        SkipCase{"LocationTaken", "\n\n3,,146.55\n", "6: Location 3 is already taken by line 3."},
        SkipCase{"BelowBand", "1,,135.995\n", "4: Receive frequency 135.995000 MHz is outside this radio's band, 136-174MHz."},
        SkipCase{"TransmitAboveBand", "1,,173.5,+,0.6\n", "4: Transmit frequency 174.100000 MHz is outside this radio's band, 136-174MHz."},
        SkipCase{"BeyondEveryCount", "1,,146520000\n", "4: Receive frequency 146520000 MHz is outside this radio's band, 136-174MHz."},
        SkipCase{"SplitBeyondEveryCount", "1,,146.52,split,99999999999.5\n", "4: Transmit frequency 99999999999.5 MHz is outside this radio's band, 136-174MHz."},
        SkipCase{"OffsetBeyondEveryCount", "1,,146.52,+,146520000\n", "4: Offset 146520000 MHz puts the transmit frequency outside this radio's band, 136-174MHz."},
        SkipCase{"SumBeyondEveryCount", "1,,146.52,+,42948\n", "4: Transmit frequency 43094.520000 MHz is outside this radio's band, 136-174MHz."},
        SkipCase{"TransmitBelowZero", "1,,146.52,-,150\n", "4: Frequency minus Offset leaves no transmit frequency."},
        SkipCase{"SplitWithoutFrequency", "1,,146.52,split,\n", "4: Duplex split needs the transmit frequency in Offset."},
        SkipCase{"UnknownDuplex", "1,,146.52,x\n", "4: Duplex \"x\" is not one of +, -, split and off."},
        SkipCase{"ToneNotInList", "1,,146.52,,,Tone,88.6\n", "4: rToneFreq \"88.6\" is not a CTCSS tone of this radio."},
        SkipCase{"CodeNotInList", "1,,146.52,,,DTCS,,,024\n", "4: DtcsCode \"024\" is not a DCS code of this radio."},
        SkipCase{"RxCodeNotInList", "1,,146.52,,,Cross,,,023,NN,999,->DTCS\n", "4: RxDtcsCode \"999\" is not a DCS code of this radio."},
        SkipCase{"Polarity", "1,,146.52,,,DTCS,,,023,NX\n", "4: DtcsPolarity \"NX\" is not one of NN, NR, RN and RR."},
        SkipCase{"TsqlR", "1,,146.52,,,TSQL-R\n", "4: Tone \"TSQL-R\" is reverse squelch, which this radio does not have."},
        SkipCase{"DtcsR", "1,,146.52,,,DTCS-R\n", "4: Tone \"DTCS-R\" is reverse squelch, which this radio does not have."},
        SkipCase{"UnknownTone", "1,,146.52,,,Whistle\n", "4: Tone \"Whistle\" is not one of TSQL, Tone, DTCS and Cross."},
        SkipCase{"CrossMode", "1,,146.52,,,Cross,,,,,,Tone->DV\n", "4: CrossMode \"Tone->DV\" is not one this radio can use."},
        SkipCase{"Mode", "1,,146.52,,,,,,,,,,AM\n", "4: Mode \"AM\" is not FM or NFM, the only modes of this radio."},
        SkipCase{"ControlCharactersEscaped", std::string("1,,146.52,,,,,,,,,,\x1B]0;x\a\0\n", 27),
                 "4: Mode \"\\x1B]0;x\\x07\\x00\" is not FM or NFM, the only modes of this radio."},
        SkipCase{"Power", "1,,146.52,,,,,,,,,,,,,lots\n", "4: Power \"lots\" is neither a wattage nor High or Low."},
        SkipCase{"Skip", "1,,146.52,,,,,,,,,,,,X\n", "4: Skip \"X\" is not S, P or empty."},
        SkipCase{"Busy", "1,,146.52,,,,,,,,,,,,,,,,,,,On\n", "4: Busy \"On\" is not Off, Carrier or QT/DQT."}),
    [](const testing::TestParamInfo<SkipCase>& info) { return std::string(info.param.name); });

class ProgramColumnSkipTest : public testing::TestWithParam<SkipCase> {};

TEST_P(ProgramColumnSkipTest, ReportsTheLineAndReason)
{
    const std::string file = "CH,Rx Freq,Tx Freq,Rx Tone,Tx Tone,Bandwidth,Scan,CTCSS\n" + GetParam().rows;
    const ImportResult result = ImportChannelsCsv(file, NewImage(), {});
    EXPECT_EQ(result.status, ImportStatus::NothingLoaded);
    EXPECT_EQ(ReportTexts(result), std::vector<std::string>{GetParam().report});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProgramColumnSkipTest,
    testing::Values(SkipCase{"TxFreq", "1,146.52,x\n", "2: Tx Freq \"x\" is not a number."},
                    SkipCase{"TxFreqOutside", "1,146.52,446\n", "2: Transmit frequency 446.000000 MHz is outside this radio's band, 136-174MHz."},
                    SkipCase{"TxFreqBeyondEveryCount", "1,146.52,146520000\n", "2: Transmit frequency 146520000 MHz is outside this radio's band, 136-174MHz."},
                    SkipCase{"RxTone", "1,146.52,,67.25\n", "2: Rx Tone \"67.25\" is not a tone of this radio."},
                    SkipCase{"TxTone", "1,146.52,,,D088N\n", "2: Tx Tone \"D088N\" is not a tone of this radio."},
                    SkipCase{"Ctcss", "1,146.52,,,,,,Tone\n", "2: CTCSS \"Tone\" is not a tone of this radio."},
                    SkipCase{"Bandwidth", "1,146.52,,,,NFM\n", "2: Bandwidth \"NFM\" is not Wide or Narrow."},
                    SkipCase{"Scan", "1,146.52,,,,,S\n", "2: Scan \"S\" is not Add or Del."}),
    [](const testing::TestParamInfo<SkipCase>& info) { return std::string(info.param.name); });

TEST(ImportReportTest, RasterChangesPriorityScanAndNotesCarryTheirLines)
{
    const std::string file =
        "\xEF\xBB\xBF# list\r\nLocation,Name,Frequency,Duplex,Offset,Skip,Bank\r\n"
        "1,Home,146.5237,+,0.6,P,A\r\n"
        "\r\n"
        "2,,446.00625\r\n";
    const ImportResult result = ImportChannelsCsv(file, NewImage(), {});
    EXPECT_EQ(result.status, ImportStatus::SomeSkipped);
    EXPECT_EQ(ReportTexts(result),
              (std::vector<std::string>{
                  "2: These columns are not read: \"Bank\".",
                  "3: Receive frequency 146.523700 MHz is off the 5 kHz and 6.25 kHz rasters and was lowered to 146.520000 MHz.",
                  "3: Transmit frequency 147.123700 MHz is off the 5 kHz and 6.25 kHz rasters and was lowered to 147.120000 MHz.",
                  "3: Skip P (priority scan) is not on this radio: the channel is scanned (Add).",
                  "3: Names and comments are not stored by this radio.",
                  "5: Receive frequency 446.006250 MHz is outside this radio's band, 136-174MHz.",
              }));
    const ChannelSettings loaded = ReadChannelSettings(result.image.channel(1));
    EXPECT_EQ(loaded.rxCount, 14652000u);
    EXPECT_EQ(loaded.txCount, 14712000u);
}

TEST(ImportReportTest, Windows1252AndToneValuesWithoutAToneColumnAreSaid)
{
    const ImportResult result =
        ImportChannelsCsv("Location,Frequency,rToneFreq,Comment\n1,146.52,100.0,Caf\xE9\n", NewImage(), {});
    EXPECT_EQ(result.status, ImportStatus::AllLoaded);
    EXPECT_EQ(ReportTexts(result),
              (std::vector<std::string>{
                  "0: The file is not UTF-8 text; it was read as Windows-1252.",
                  "2: The file has tone values but no Tone column to say which are meant, so no tones were taken.",
                  "2: Names and comments are not stored by this radio.",
              }));
    EXPECT_EQ(FormatTone(ReadChannelSettings(result.image.channel(1)).txTone), "Off");
}

struct FailureCase {
    const char* name;
    std::string bytes;
};

class ImportFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(ImportFailureTest, FailsClearlyAndKeepsTheBase)
{
    RadioImage base = NewImage();
    StoreChannelSettings(Simplex(14652000), base.channel(1));
    const ImportResult result = ImportChannelsCsv(GetParam().bytes, base, {});
    EXPECT_EQ(result.status, ImportStatus::Failed);
    ASSERT_EQ(result.report.size(), 1u);
    EXPECT_EQ(result.report[0].kind, ReportKind::Failure);
    EXPECT_EQ(FilledText(result.report[0]),
              "The file has no Frequency column, so it holds no channels this program can read.");
    EXPECT_EQ(result.image, base);
}

INSTANTIATE_TEST_SUITE_P(Files, ImportFailureTest,
                         testing::Values(FailureCase{"Empty", ""}, FailureCase{"OnlyComments", "# a\n\n,,\n"},
                                         FailureCase{"NoFrequency", "Location,Name\n1,x\n"},
                                         FailureCase{"NotCsv", std::string("\x89PNG\r\n\x1A\n\0\0", 10)}),
                         [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(ImportPlacementTest, LeavesUnnamedChannelsAsInTheBaseAndMarksChanges)
{
    RadioImage base = NewImage();
    StoreChannelSettings(Simplex(14652000), base.channel(1));
    StoreChannelSettings(Simplex(14655000), base.channel(2));
    const ImportResult result =
        ImportChannelsCsv("Location,Frequency\n1,146.52\n2,146.575\n5,147\n", base, {});
    EXPECT_EQ(result.status, ImportStatus::AllLoaded);
    std::array<bool, 16> changed{};
    changed[1] = changed[4] = true;
    EXPECT_EQ(result.changed, changed);
    EXPECT_TRUE(std::equal(result.image.bytes().begin() + 0x60, result.image.bytes().end(), base.bytes().begin() + 0x60));
}

TEST(ImportPlacementTest, RenumberFillsSixteenAndReportsTheRest)
{
    std::string file = "Location,Frequency\n";
    for (int i = 0; i < 18; ++i)
        file += "9," + std::to_string(146 + i) + ".5\n";
    const ImportResult result = ImportChannelsCsv(file, NewImage(), renumbered());
    EXPECT_EQ(result.status, ImportStatus::SomeSkipped);
    EXPECT_EQ(ReportTexts(result), (std::vector<std::string>{"18: All 16 channels are already filled by earlier rows.",
                                                             "19: All 16 channels are already filled by earlier rows."}));
    EXPECT_EQ(ReadChannelSettings(result.image.channel(16)).rxCount, 16150000u);
    EXPECT_EQ(result.rows[15].channel, 16);
    EXPECT_EQ(result.rows[16].channel, 0);
    EXPECT_TRUE(result.rows[16].usable);
}

TEST(ImportPlacementTest, NoLocationsMeansFileOrder)
{
    const ImportResult result = ImportChannelsCsv("Location,Frequency\n,146.52\n,146.55\n", NewImage(), {});
    EXPECT_EQ(result.status, ImportStatus::AllLoaded);
    EXPECT_EQ(ReadChannelSettings(result.image.channel(2)).rxCount, 14655000u);
    EXPECT_EQ(ReportTexts(result),
              std::vector<std::string>{"0: The file gives no Locations: its rows go into channels 1, 2 ... in file order."});
}

TEST(ImportPlacementTest, ChosenLinesPickTheRowsOfALongList)
{
    std::string file = "Frequency\n";
    for (int i = 0; i < 30; ++i)
        file += std::to_string(140 + i) + "\n";
    const ImportResult result = ImportChannelsCsv(file, NewImage(), renumbered(std::vector<int>{31, 5}));
    EXPECT_EQ(result.status, ImportStatus::AllLoaded);
    EXPECT_EQ(ReadChannelSettings(result.image.channel(1)).rxCount, 14300000u);
    EXPECT_EQ(ReadChannelSettings(result.image.channel(2)).rxCount, 16900000u);
    EXPECT_FALSE(IsChannelInUse(result.image.channel(3)));
    EXPECT_EQ(result.rows.size(), 30u);
}

TEST(ImportPlacementTest, TheBandIsTheModelsOrTheOneAsked)
{
    const std::string file = "Location,Frequency\n1,446.00625\n";
    EXPECT_EQ(ImportChannelsCsv(file, NewImage("HM-615U"), {}).status, ImportStatus::AllLoaded);
    EXPECT_EQ(ImportChannelsCsv(file, NewImage("HM-615V"), {}).status, ImportStatus::NothingLoaded);
    EXPECT_EQ(ImportChannelsCsv(file, NewImage("HM-615V"), forModel("HM-615U")).status,
              ImportStatus::AllLoaded);
}

// Channel 1 of the base is in use with every setting away from a new
// channel's; channel 2 is not in use.
struct KeptCase {
    const char* name;
    std::string file;
    int channel;
    ChannelSettings expected;
    std::vector<std::string> report;
};

ChannelSettings baseChannel()
{
    ChannelSettings s = flags(false, true, false, BusyLockout::Carrier);
    s.rxCount = s.txCount = 14600000;
    s.rxTone = Tone("D023N");
    s.txTone = Tone("67.0");
    return s;
}

ChannelSettings moved(ChannelSettings s, void (*change)(ChannelSettings&))
{
    s.rxCount = s.txCount = 14655000;
    change(s);
    return s;
}

class KeptSettingsTest : public testing::TestWithParam<KeptCase> {};

TEST_P(KeptSettingsTest, AColumnTheFileLacksKeepsTheBasesValue)
{
    RadioImage base = NewImage();
    StoreChannelSettings(baseChannel(), base.channel(1));
    const ImportResult result = ImportChannelsCsv(GetParam().file, base, {});
    EXPECT_EQ(result.status, ImportStatus::AllLoaded);
    expectChannel(result.image, GetParam().channel, GetParam().expected);
    EXPECT_EQ(ReportTexts(result), GetParam().report);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, KeptSettingsTest,
    testing::Values(
        KeptCase{"OnlyFrequency", "Location,Frequency\n1,146.55\n", 1, moved(baseChannel(), [](ChannelSettings&) {}),
                 {"0: Columns the file lacks, kept as each channel had them: Tone, Mode, Skip, Power, Busy."}},
        KeptCase{"StandardColumns", std::string(kHeader) + "\n1,,146.550000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,\n", 1,
                 moved(baseChannel(), [](ChannelSettings& s) { s.rxTone = s.txTone = Tone("Off"); s.narrow = false; s.scanAdd = true; s.highPower = true; }),
                 {"0: Columns the file lacks, kept as each channel had them: Busy."}},
        KeptCase{"AnEmptyFieldIsNotAMissingColumn", "Location,Frequency,Busy,Mode\n1,146.55,,\n", 1,
                 moved(baseChannel(), [](ChannelSettings& s) { s.busy = BusyLockout::Off; s.narrow = false; }),
                 {"0: Columns the file lacks, kept as each channel had them: Tone, Skip, Power."}},
        KeptCase{"AnUnusedChannelTakesANewChannelsValues", "Location,Frequency\n2,146.52\n", 2, Simplex(14652000), {}}),
    [](const testing::TestParamInfo<KeptCase>& info) { return std::string(info.param.name); });

TEST(ImportPlacementTest, StoresOnlyTheFormsBitsOfTheFlagsByte)
{
    RadioImage base = NewImage();
    base.channel(1)[layout::kChannelFlags] = 0x60;   // not in use; bits the form does not own
    base.channel(1)[13] = 0x5A;
    const ImportResult result = ImportChannelsCsv("Location,Frequency,Busy\n1,146.52,Carrier\n", base, {});
    EXPECT_EQ(result.image.channel(1)[layout::kChannelFlags], 0x60 | 0x02 | layout::kScanAddBit | layout::kHighPowerBit);
    EXPECT_EQ(result.image.channel(1)[13], 0x5A);
}

} // namespace
