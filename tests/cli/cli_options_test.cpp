// How a sub-command's arguments are read against its syntax, and the usage
// line --help makes from the same syntax.

#include "cli/cli_command.h"
#include "cli/cli_usage.h"

#include <gtest/gtest.h>

namespace {

const CliOption kTransferOptions[] = {
    {"--port", "PORT", true}, {"--output", "FILE.sin", true}, {"--retries", "N"}, {"--yes"}, {"--trace", "FILE"},
};
const CliSyntax kTransfer = {.options = kTransferOptions};

const CliOption kFleetOptions[] = {{"--port", "PORT", false, CliFile::None, true}, {"--yes"}};
const CliSyntax kFleet = {.options = kFleetOptions};

const char* const kOneFile[] = {"FILE.sin"};
const CliOption kJson[] = {{"--json"}};
const CliSyntax kShow = {.positionals = kOneFile,
                         .options = kJson,
                         .missingPositionals = "no channel file given"};

const char* const kTwoFiles[] = {"IN.sin", "OUT.sin"};
const CliSyntax kResave = {.positionals = kTwoFiles, .missingPositionals = "give IN.sin and OUT.sin"};

const CliSyntax kFileWithoutWording = {.positionals = kOneFile};

struct ParseCase {
    const char* name;
    const CliSyntax* syntax;
    QStringList args;
    const char* error;         // empty when the arguments fit
    const char* option = "";   // and then this option ...
    const char* value = "";    // ... has this value
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.name;
}

const ParseCase kParseCases[] = {
    {"AllGiven", &kTransfer, {"--port", "sim", "--output=x.sin", "--yes"}, "", "--output", "x.sin"},
    {"ValueMissingAtTheEnd", &kTransfer, {"--port", "sim", "--output"}, "--output needs a value"},
    {"OptionTakenForValue", &kTransfer, {"--port", "--output", "x.sin"}, "--port needs a value"},
    {"InlineValueIsTakenAsItIs", &kTransfer, {"--port=--yes", "--output", "x.sin"}, "", "--port", "--yes"},
    {"EmptyValue", &kTransfer, {"--port", "", "--output", "x.sin"}, "--port needs a value, not an empty one"},
    {"EmptyInlineValue", &kTransfer, {"--port", "sim", "--output", "x.sin", "--trace="},
     "--trace needs a value, not an empty one"},
    {"UnknownOption", &kTransfer, {"--port", "sim", "--bogus"}, "unknown option '--bogus'"},
    {"UnknownOptionEscaped", &kTransfer, {"--\x1b[1m"}, "unknown option '--\\x1B[1m'"},
    {"FlagWithAValue", &kTransfer, {"--port", "sim", "--yes=1"}, "unknown option '--yes=1'"},
    {"RepeatedFlag", &kTransfer, {"--yes", "--port", "sim", "--yes"}, "--yes given twice"},
    {"RepeatedInlineValue", &kTransfer, {"--port", "a", "--port=b"}, "--port given twice"},
    {"StrayArgument", &kTransfer, {"--port", "sim", "--output", "x.sin", "extra"}, "unexpected argument 'extra'"},
    {"DashWithNoPlaceForIt", &kTransfer, {"--port", "sim", "--output", "x.sin", "-"}, "unexpected argument '-'"},
    {"DashAsAValue", &kTransfer, {"--port", "sim", "--output", "-"}, "", "--output", "-"},
    {"FirstRequiredMissing", &kTransfer, {"--output", "x.sin", "--retries", "-1"}, "--port PORT is required"},
    {"SecondRequiredMissing", &kTransfer, {"--port", "sim"}, "--output FILE.sin is required"},
    {"ErrorBeforeMissing", &kTransfer, {"--bogus"}, "unknown option '--bogus'"},
    {"RepeatableTakesEach", &kFleet, {"--port", "a", "--port=b", "--yes"}, "", "--port", "b"},
    {"RepeatableStillNeedsAValue", &kFleet, {"--port", "a", "--port", "--yes"}, "--port needs a value"},
    {"FileMissing", &kShow, {"--json"}, "no channel file given"},
    {"SecondFile", &kShow, {"a.sin", "b.sin"}, "unexpected argument 'b.sin'"},
    {"RepeatedFlagUnexpected", &kShow, {"a.sin", "--json", "--json"}, "--json given twice"},
    {"UnknownOptionUnexpected", &kShow, {"a.sin", "--bogus"}, "unknown option '--bogus'"},
    {"EmptyFile", &kShow, {""}, "empty argument ''"},
    {"TwoDashes", &kResave, {"-", "-"}, ""},
    {"OneFile", &kResave, {"a.sin"}, "give IN.sin and OUT.sin"},
    {"EmptyOutputFile", &kResave, {"a.sin", ""}, "empty argument ''"},
    {"OptionForAFile", &kResave, {"a.sin", "--x"}, "unknown option '--x'"},
    {"ThirdFile", &kResave, {"a.sin", "b.sin", "c.sin"}, "unexpected argument 'c.sin'"},
    {"FileMissingWithoutWording", &kFileWithoutWording, {}, "FILE.sin is required"},
};

class CliArgumentsParse : public testing::TestWithParam<ParseCase> {};

TEST_P(CliArgumentsParse, FitTheSyntaxOrSayWhyNot)
{
    const ParseCase& c = GetParam();
    const CliArguments parsed(c.args, *c.syntax);
    EXPECT_EQ(parsed.error(), QString::fromUtf8(c.error));
    if (*c.option) {
        EXPECT_TRUE(parsed.has(QLatin1String(c.option)));
        EXPECT_EQ(parsed.value(QLatin1String(c.option)), QString::fromUtf8(c.value));
    }
}

TEST(CliArgumentsRepeated, KeepEveryValueInTheOrderGiven)
{
    const CliArguments parsed({"--port", "a", "--yes", "--port=b", "--port", "c"}, kFleet);
    EXPECT_EQ(parsed.values(QStringLiteral("--port")), QStringList({"a", "b", "c"}));
    EXPECT_TRUE(CliArguments({"--port", "a"}, kTransfer).values(QStringLiteral("--port")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, CliArgumentsParse, testing::ValuesIn(kParseCases),
                         [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

struct PositionalCase {
    const CliSyntax* syntax;
    QStringList args;
    QStringList positionals;
};

class CliPositionals : public testing::TestWithParam<PositionalCase> {};

// "-" is a file (standard input or output), and so is anything else that
// does not begin with "--".
TEST_P(CliPositionals, AreTheFilesInTheirOrder)
{
    const PositionalCase& c = GetParam();
    const CliArguments parsed(c.args, *c.syntax);
    ASSERT_TRUE(parsed.ok()) << parsed.error().toStdString();
    EXPECT_EQ(parsed.positionals(), c.positionals);
}

INSTANTIATE_TEST_SUITE_P(Files, CliPositionals,
                         testing::Values(PositionalCase{&kShow, {"-", "--json"}, {"-"}},
                                         PositionalCase{&kShow, {"--json", "-x"}, {"-x"}},
                                         PositionalCase{&kResave, {"in.sin", "-"}, {"in.sin", "-"}},
                                         PositionalCase{&kResave, {"-", "out.sin"}, {"-", "out.sin"}}));

struct CountCase {
    const char* text;
    int count;         // when it is one
    const char* error; // else why not
};

const CountCase kCountCases[] = {
    {"0", 0, ""},
    {"7", 7, ""},
    {"007", 7, ""},
    {"2147483647", 2147483647, ""},
    {"2147483648", 0, "--retries 2147483648 is too large: at most 2147483647"},
    {"99999999999999999999999", 0, "--retries 99999999999999999999999 is too large: at most 2147483647"},
    {"-1", 0, "--retries needs a count of 0 or more"},
    {"+3", 0, "--retries needs a count of 0 or more"},
    {"3 ", 0, "--retries needs a count of 0 or more"},
    {"0x10", 0, "--retries needs a count of 0 or more"},
};

class CliCount : public testing::TestWithParam<CountCase> {};

TEST_P(CliCount, IsFromZeroToTheLargestInt)
{
    const CountCase& c = GetParam();
    const CliArguments parsed({QStringLiteral("--port=p"), QStringLiteral("--output=o"),
                               QStringLiteral("--retries=") + QLatin1String(c.text)},
                              kTransfer);
    ASSERT_TRUE(parsed.ok()) << parsed.error().toStdString();
    int count = -1;
    EXPECT_EQ(parsed.count(QStringLiteral("--retries"), count), QString::fromUtf8(c.error));
    EXPECT_EQ(count, *c.error ? -1 : c.count);
}

INSTANTIATE_TEST_SUITE_P(Texts, CliCount, testing::ValuesIn(kCountCases));

TEST(CommandUsage, ListsPositionalsThenOptionsWithTheOptionalOnesInBrackets)
{
    const CliOption options[] = {{"--output", "FILE.sin", true}, {"--json"}, {"--trace", "FILE"}};
    const CliCommand command = {.name = "show",
                                .syntax = {.positionals = kTwoFiles, .options = options},
                                .description = "      What it does.",
                                .run = nullptr};
    EXPECT_EQ(CommandUsage(command),
              QStringLiteral("  show IN.sin OUT.sin --output FILE.sin [--json] [--trace FILE]\n      What it does."));
}

TEST(CommandUsage, WrapsBefore80Columns)
{
    const CliOption options[] = {{"--image", "FILE.sin"}, {"--range", "136-174|136-480|400-520"},
                                 {"--fault", "NAME"},     {"--fault-block", "K"},
                                 {"--line-rate"},         {"--save", "FILE.sin"}};
    const CliCommand command = {
        .name = "sim", .syntax = {.options = options}, .description = "      What it does.", .run = nullptr};
    const QString usage = CommandUsage(command);
    EXPECT_EQ(usage, QStringLiteral("  sim [--image FILE.sin] [--range 136-174|136-480|400-520] [--fault NAME]\n"
                                    "      [--fault-block K] [--line-rate] [--save FILE.sin]\n"
                                    "      What it does."));
    for (const QString& line : usage.split(QLatin1Char('\n')))
        EXPECT_LE(line.size(), 80) << line.toStdString();
}

} // namespace
