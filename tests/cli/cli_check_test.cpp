// hmprog-cli check: the radio read twice, the two reads compared.

#include "cli/cli_process.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct CheckCase {
    const char* name;
    QStringList sim; // a radio on a pseudo-terminal; empty: --port as given in port
    const char* port;
    int exitCode;
    const char* shown; // a line on standard output, or on standard error when it is empty
};

const CheckCase kChecks[] = {
    {"BuiltInRadioAgrees", {}, "sim", 0, "The two reads agree: the cable carried the radio's 1024 bytes the same way twice."},
    {"RadioOnAPseudoTerminalAgrees", {"--range", "400-520"}, nullptr, 0, "Retries: 0 (wake-up attempts the radio did not answer)."},
    {"OneBlockReadDifferently", {"--fault", "flaky-read", "--fault-block", "12"}, nullptr, 1, "  Block 12 (0x060-0x067)"},
    {"PortThatWillNotOpen", {}, "/nonexistent/ttyUSB9", 1, nullptr},
};

class CliCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(CliCheck, ReportsTheTwoReadsAndExitsWithTheirAgreement)
{
    const CheckCase& c = GetParam();
    std::optional<Sim> sim;
    if (!c.sim.isEmpty())
        sim.emplace(c.sim);
    const QString port = sim ? sim->device() : QString::fromLatin1(c.port);
    const Outcome outcome = runCli({QStringLiteral("check"), QStringLiteral("--port"), port});
    EXPECT_EQ(outcome.exitCode, c.exitCode) << outcome.errors.toStdString();
    if (c.shown) {
        EXPECT_TRUE(outcome.output.split(u'\n').contains(QString::fromUtf8(c.shown))) << outcome.output.toStdString();
    } else {
        EXPECT_TRUE(outcome.output.isEmpty());
        EXPECT_TRUE(outcome.errors.contains(QLatin1String("Could not open the port"))) << outcome.errors.toStdString();
    }
    if (QLatin1String(c.port) == QLatin1String("sim")) {
        // The built-in radio answers at 9600 baud: a read of 1024 bytes takes
        // 2.4 s or more, at most 427 bytes a second, fewer on a busy machine.
        const qsizetype at = outcome.output.indexOf(QLatin1String("Speed: "));
        ASSERT_GE(at, 0);
        const int speed = outcome.output.mid(at + 7).section(u' ', 0, 0).toInt();
        EXPECT_GE(speed, 100);
        EXPECT_LE(speed, 427);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CliCheck, testing::ValuesIn(kChecks),
                         [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

} // namespace
