#include "fleet/fleet_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>

namespace {

FleetLogRow row(std::string file, std::string result, std::string backup)
{
    return {.time = "2026-12-10T14:03:22+0100",
            .file = std::move(file),
            .fileSha256 = "ab12",
            .port = "/dev/ttyUSB0",
            .cableSerial = "A10K1234",
            .radio = "136-174 MHz",
            .result = std::move(result),
            .verified = "yes",
            .radioData = "replaced",
            .backup = std::move(backup),
            .seconds = 7.46};
}

struct LineCase {
    const char* name;
    FleetLogRow row;
    const char* line;
};

const LineCase kLines[] = {
    {"Plain", row("club.sin", "written", ""),
     "2026-12-10T14:03:22+0100,club.sin,ab12,/dev/ttyUSB0,A10K1234,136-174 MHz,written,yes,replaced,,7.5\n"},
    {"CommaQuoted", row("a,b.sin", "failed: no answer, twice", "/b/x.sin"),
     "2026-12-10T14:03:22+0100,\"a,b.sin\",ab12,/dev/ttyUSB0,A10K1234,136-174 MHz,\"failed: no answer, twice\",yes,"
     "replaced,/b/x.sin,7.5\n"},
    {"QuotesDoubled", row("say \"hi\".sin", "written", ""),
     "2026-12-10T14:03:22+0100,\"say \"\"hi\"\".sin\",ab12,/dev/ttyUSB0,A10K1234,136-174 MHz,written,yes,replaced,,7.5\n"},
    {"LineBreakQuoted", row("two\nlines.sin", "written", ""),
     "2026-12-10T14:03:22+0100,\"two\nlines.sin\",ab12,/dev/ttyUSB0,A10K1234,136-174 MHz,written,yes,replaced,,7.5\n"},
};

class FleetLogLines : public testing::TestWithParam<LineCase> {};

TEST_P(FleetLogLines, HoldEveryFieldAsASpreadsheetReadsIt)
{
    EXPECT_EQ(FleetLogLine(GetParam().row), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Rows, FleetLogLines, testing::ValuesIn(kLines),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FleetLogHeader, NamesAsManyColumnsAsARowHas)
{
    const std::string header = FleetLogHeader();
    const std::string line = FleetLogLine(row("f.sin", "written", "/b.sin"));
    EXPECT_EQ(std::count(header.begin(), header.end(), ','), std::count(line.begin(), line.end(), ','));
    EXPECT_EQ(header.back(), '\n');
}

TEST(LogTimeText, IsLocalTimeWithItsOffset)
{
    EXPECT_TRUE(std::regex_match(LogTimeText(1765375402), std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d{4})")));
}

} // namespace
