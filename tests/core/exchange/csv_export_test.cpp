#include "exchange_fixtures.h"

#include <gtest/gtest.h>

namespace {

struct ExportCase {
    const char* name;
    ChannelSettings channel;
    std::string row;   // without Location and the line end
};

ChannelSettings withTones(const char* rx, const char* tx)
{
    ChannelSettings s = Simplex(14652000);
    s.rxTone = Tone(rx);
    s.txTone = Tone(tx);
    return s;
}

ChannelSettings withTx(std::uint32_t rx, std::uint32_t tx)
{
    ChannelSettings s = Simplex(rx);
    s.txCount = tx;
    return s;
}

ChannelSettings withFlags(BusyLockout busy, bool high, bool narrow, bool scanAdd)
{
    ChannelSettings s = Simplex(44600625);
    s.busy = busy;
    s.highPower = high;
    s.narrow = narrow;
    s.scanAdd = scanAdd;
    return s;
}

constexpr const char* kNoTones = ",88.5,88.5,023,NN,023,Tone->Tone";
const std::string kTail = ",,,,,";

class ExportRowTest : public testing::TestWithParam<ExportCase> {};

TEST_P(ExportRowTest, WritesTheFormatsColumns)
{
    RadioImage image = NewImage("HM-615U");
    StoreChannelSettings(GetParam().channel, image.channel(3));
    const std::string csv = ExportChannelsCsv(image, {});
    const std::string header = std::string(kHeader) + ",Busy\r\n";
    EXPECT_EQ(csv, header + "3," + GetParam().row + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Channels, ExportRowTest,
    testing::Values(
        ExportCase{"Simplex", Simplex(14652000), ",146.520000,,0.000000," + std::string(kNoTones) + ",FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"Plus", withTx(14534000, 14594000), ",145.340000,+,0.600000," + std::string(kNoTones) + ",FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"Minus", withTx(44200000, 43700000), ",442.000000,-,5.000000," + std::string(kNoTones) + ",FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"FiftyMHzIsStillAnOffset", withTx(14000000, 19000000), ",140.000000,+,50.000000," + std::string(kNoTones) + ",FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"Split", withTx(14000000, 19000010), ",140.000000,split,190.000100," + std::string(kNoTones) + ",FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"NoTransmit", withTx(15680000, 0), ",156.800000,off,0.000000," + std::string(kNoTones) + ",FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"TxToneOnly", withTones("Off", "100.0"), ",146.520000,,0.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"Tsql", withTones("67.0", "67.0"), ",146.520000,,0.000000,TSQL,67.0,67.0,023,NN,023,Tone->Tone,FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"Dtcs", withTones("D754I", "D754I"), ",146.520000,,0.000000,DTCS,88.5,88.5,754,RR,754,Tone->Tone,FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"ToneToTone", withTones("71.9", "67.0"), ",146.520000,,0.000000,Cross,67.0,71.9,023,NN,023,Tone->Tone,FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"ToneToDtcs", withTones("D023I", "67.0"), ",146.520000,,0.000000,Cross,67.0,88.5,023,NR,023,Tone->DTCS,FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"DtcsToTone", withTones("67.0", "D115I"), ",146.520000,,0.000000,Cross,88.5,67.0,115,RN,023,DTCS->Tone,FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"DtcsToOtherDtcs", withTones("D025N", "D023N"), ",146.520000,,0.000000,Cross,88.5,88.5,023,NN,025,DTCS->DTCS,FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"SameCodeOtherPolarity", withTones("D023I", "D023N"), ",146.520000,,0.000000,Cross,88.5,88.5,023,NR,023,DTCS->DTCS,FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"RxToneOnly", withTones("67.0", "Off"), ",146.520000,,0.000000,Cross,88.5,67.0,023,NN,023,->Tone,FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"RxCodeOnly", withTones("D023N", "Off"), ",146.520000,,0.000000,Cross,88.5,88.5,023,NN,023,->DTCS,FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"TxCodeOnly", withTones("Off", "D023N"), ",146.520000,,0.000000,Cross,88.5,88.5,023,NN,023,DTCS->,FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"DifferentTones", withTones("67.0", "D023N"), ",146.520000,,0.000000,Cross,88.5,67.0,023,NN,023,DTCS->Tone,FM,5.00,,5.0W" + kTail + ",Off"},
        ExportCase{"FlagsNarrowLowDelCarrier", withFlags(BusyLockout::Carrier, false, true, false),
                   ",446.006250,,0.000000," + std::string(kNoTones) + ",NFM,6.25,S,1.0W" + kTail + ",Carrier"},
        ExportCase{"QtDqt", withFlags(BusyLockout::QtDqt, true, false, true),
                   ",446.006250,,0.000000," + std::string(kNoTones) + ",FM,6.25,,5.0W" + kTail + ",QT/DQT"}),
    [](const testing::TestParamInfo<ExportCase>& info) { return std::string(info.param.name); });

TEST(ExportTest, LeavesEmptyChannelsOutAndBusyWhenAsked)
{
    RadioImage image = NewImage();
    StoreChannelSettings(Simplex(14652000), image.channel(2));
    StoreChannelSettings(Simplex(14655000), image.channel(16));
    // Byte 3 0x00 marks a channel unused whatever the other bytes hold.
    StoreChannelSettings(Simplex(14657500), image.channel(5));
    image.channel(5)[3] = 0x00;

    const std::string csv = ExportChannelsCsv(image, {.standardColumns = true});
    EXPECT_EQ(csv, std::string(kHeader) + "\r\n" +
                       "2,,146.520000,,0.000000," + kNoTones + ",FM,5.00,,5.0W" + kTail + "\r\n" +
                       "16,,146.550000,,0.000000," + kNoTones + ",FM,5.00,,5.0W" + kTail + "\r\n");
}

TEST(ExportTest, AnEmptyImageGivesTheHeaderOnly)
{
    EXPECT_EQ(ExportChannelsCsv(NewImage(), {}), std::string(kHeader) + ",Busy\r\n");
}

} // namespace
