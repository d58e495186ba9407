#include "exchange_fixtures.h"
#include "exchange/stock_plans.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <random>

namespace {

// The processor time this process has used since start: the bounds below are
// about the importer's work, not about what else the machine is doing.
std::chrono::milliseconds CpuTimeSince(std::clock_t start)
{
    return std::chrono::milliseconds((std::clock() - start) * 1000 / CLOCKS_PER_SEC);
}

// Every import ends in a report of what happened or in the one failure.
void expectAnOutcome(const ImportResult& result, const std::string& input)
{
    if (result.status == ImportStatus::Failed) {
        ASSERT_EQ(result.report.size(), 1u) << testing::PrintToString(input);
        EXPECT_EQ(result.report[0].kind, ReportKind::Failure);
        return;
    }
    const bool skipped = std::any_of(result.report.begin(), result.report.end(),
                                     [](const ReportLine& line) { return line.kind == ReportKind::Skipped; });
    switch (result.status) {
    case ImportStatus::AllLoaded:
        EXPECT_FALSE(skipped) << testing::PrintToString(input);
        EXPECT_FALSE(result.rows.empty()) << testing::PrintToString(input);
        break;
    case ImportStatus::SomeSkipped:
        EXPECT_TRUE(skipped) << testing::PrintToString(input);
        break;
    default:
        EXPECT_FALSE(result.report.empty()) << testing::PrintToString(input);
        break;
    }
    for (const ReportLine& line : result.report)
        EXPECT_FALSE(FilledText(line).empty());
}

std::string randomBytes(std::mt19937& random)
{
    std::string bytes(random() % 300, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

// A valid file with a few bytes changed, dropped or repeated, biased toward
// the characters that mean something to the reader.
std::string mutated(std::mt19937& random, std::string text)
{
    static constexpr char kMeaningful[] = ",;\"\r\n#.-+0123456789 \xEF\xBB\xBF\xE9";
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < edits && !text.empty(); ++i) {
        const std::size_t at = random() % text.size();
        switch (random() % 4) {
        case 0:
            text[at] = kMeaningful[random() % (sizeof kMeaningful - 1)];
            break;
        case 1:
            text.erase(at, 1 + random() % 20);
            break;
        case 2:
            text.insert(at, text.substr(random() % text.size(), random() % 40));
            break;
        default:
            text[at] = static_cast<char>(random());
            break;
        }
    }
    return text;
}

TEST(CsvFuzzTest, TenThousandInputsEndInAReportOrTheFailure)
{
    std::mt19937 random(446);
    std::vector<std::string> seeds;
    for (const StockPlan& plan : StockPlans())
        seeds.emplace_back(plan.csv);
    seeds.push_back(std::string(kHeader) +
                    "\n1,,146.52,+,0.6,Cross,67.0,71.9,025,NR,754,DTCS->Tone,NFM,5.00,S,1.0W,\"a,\"\"b\",,,,\n");
    const RadioImage base = NewImage();

    const std::clock_t start = std::clock();
    for (int i = 0; i < 10000; ++i) {
        const std::string input = i % 5 == 0 ? randomBytes(random) : mutated(random, seeds[random() % seeds.size()]);
        ImportOptions options;
        options.renumber = random() % 4 == 0;
        expectAnOutcome(ImportChannelsCsv(input, base, options), input);
        if (testing::Test::HasFailure())
            return;
    }
    EXPECT_LT(CpuTimeSince(start), std::chrono::seconds(60));
}

TEST(CsvSpeedTest, AThousandRowFileLoadsWellUnderASecond)
{
    std::string file = std::string(kHeader) + ",Busy\r\n";
    for (int i = 0; i < 1000; ++i)
        file += ",Repeater " + std::to_string(i) + ",14" + std::to_string(4 + i % 30 / 10) + "." +
                std::to_string(100 + i % 900) + "000,-,0.600000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,NFM,5.00,,5.0W,,,,,,Off\r\n";
    const std::clock_t start = std::clock();
    const ImportResult result = ImportChannelsCsv(file, NewImage(), {});
    const auto took = CpuTimeSince(start);
    EXPECT_EQ(result.status, ImportStatus::SomeSkipped);
    EXPECT_EQ(result.rows.size(), 1000u);
    EXPECT_TRUE(IsChannelInUse(result.image.channel(16)));
    // Measured under the sanitizers in a debug build; an optimised build is
    // many times faster.
    EXPECT_LT(took, std::chrono::milliseconds(500));
}

} // namespace
