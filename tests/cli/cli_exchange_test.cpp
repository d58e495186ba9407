// hmprog-cli export and import: channel lists in and out of channel files,
// the import's report on standard output and its exit statuses.

#include "cli_process.h"

#include "document/channel_file.h"
#include "sim/demo_image.h"
#include "support/temp_files.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString errors;
};

// A list with a problem on nearly every line, and one good row (line 3).
const QByteArray kProblemList = "# made by hand\r\n"
                                "Location,Frequency,Duplex,Offset,Tone,rToneFreq,Power,Mode\r\n"
                                "2,146.520000,,,Tone,100.0,Low,NFM\r\n"
                                "\r\n"
                                "2,147.000000,,,,,,\r\n"
                                "5,,,,,,,\r\n"
                                "6,146.523400,,,,,,\r\n"
                                "7,146.000000,,,,,,AM\r\n"
                                "0,146.000000,,,,,,\r\n"
                                "9,450.000000,,,,,,\r\n";

const char* const kProblemReport[] = {
    "Line 5, skipped: Location 2 is already taken by line 3.",
    "Line 6, skipped: The row has no Frequency.",
    "Line 7, changed: Receive frequency 146.523400 MHz is off the 5 kHz and 6.25 kHz rasters and was lowered "
    "to 146.520000 MHz.",
    "Line 7, changed: Transmit frequency 146.523400 MHz is off the 5 kHz and 6.25 kHz rasters and was lowered "
    "to 146.520000 MHz.",
    "Line 8, skipped: Mode \"AM\" is not FM or NFM, the only modes of this radio.",
    "Line 9, skipped: Location \"0\" is not one of this radio's channels 1 to 16.",
    "Line 10, skipped: Receive frequency 450.000000 MHz is outside this radio's band, 136-174MHz.",
    "2 rows loaded, 5 skipped.",
};

class CliExchange : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SaveChannelFile(files.path("demo.sin"), DemoRadioImage()).ok());
        ASSERT_FALSE(files.write("problems.csv", kProblemList).isEmpty());
        ASSERT_EQ(::mkfifo(QFile::encodeName(files.path("fifo")).constData(), 0600), 0);
    }

    CliRun run(const QStringList& args, const QByteArray& input = {}) const
    {
        const FedRun fed = runCliIn(files.path(QString()), args, input);
        return {fed.exitCode, QString::fromUtf8(fed.out), fed.errors};
    }

    RadioImage image(const QString& name) const
    {
        RadioImage loaded;
        EXPECT_TRUE(LoadChannelFile(files.path(name), loaded).ok()) << name.toStdString();
        return loaded;
    }

    TempFiles files;
};

TEST_F(CliExchange, ExportThenImportGivesBackTheChannels)
{
    ASSERT_EQ(run({"resave", "demo.sin", "shown.sin"}).exitCode, 0);
    const CliRun exported = run({"export", "demo.sin", "demo.csv"});
    ASSERT_EQ(exported.exitCode, 0) << exported.errors.toStdString();
    const CliRun imported = run({"import", "demo.csv", "--output", "back.sin"});
    EXPECT_EQ(imported.exitCode, 0) << imported.out.toStdString() << imported.errors.toStdString();

    const RadioImage shown = image("shown.sin");
    const RadioImage back = image("back.sin");
    for (int n = 1; n <= RadioImage::kChannelCount; ++n) {
        const auto a = shown.channel(n);
        const auto b = back.channel(n);
        EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin())) << "channel " << n;
    }
    // And the file written from the imported image is the same list again.
    ASSERT_EQ(run({"export", "back.sin", "back.csv"}).exitCode, 0);
    EXPECT_EQ(TempFiles::read(files.path("back.csv")), TempFiles::read(files.path("demo.csv")));
}

TEST_F(CliExchange, StandardColumnsLeaveBusyOut)
{
    const CliRun full = run({"export", "demo.sin", "-"});
    const CliRun standard = run({"export", "demo.sin", "-", "--standard-columns"});
    ASSERT_EQ(full.exitCode, 0);
    ASSERT_EQ(standard.exitCode, 0);
    EXPECT_TRUE(full.out.startsWith("Location,Name,Frequency,"));
    EXPECT_TRUE(full.out.section("\r\n", 0, 0).endsWith(",DVCODE,Busy"));
    EXPECT_TRUE(standard.out.section("\r\n", 0, 0).endsWith(",DVCODE"));
    EXPECT_EQ(full.out.count("\r\n"), standard.out.count("\r\n"));
}

TEST_F(CliExchange, AStandardColumnsRoundTripKeepsTheBusyLockout)
{
    ASSERT_FALSE(files.write("busy.csv", "Location,Frequency,Busy\n1,146.52,Carrier\n2,146.55,QT/DQT\n").isEmpty());
    ASSERT_EQ(run({"import", "busy.csv", "--output", "base.sin"}).exitCode, 0);
    ASSERT_EQ(run({"export", "base.sin", "standard.csv", "--standard-columns"}).exitCode, 0);
    const CliRun back = run({"import", "standard.csv", "--base", "base.sin", "--output", "back.sin"});
    EXPECT_EQ(back.exitCode, 0) << back.errors.toStdString();
    EXPECT_EQ(back.out, "Columns the file lacks, kept as each channel had them: Busy.\n2 rows loaded, 0 skipped.\n");
    EXPECT_EQ(image("back.sin"), image("base.sin"));
}

TEST_F(CliExchange, TheReportIsWhollyGermanInGerman)
{
    QProcess process;
    QProcessEnvironment env = childEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(files.path(QString()));
    process.start(QStringLiteral(HMPROG_CLI), {"import", "problems.csv", "--output", "out.sin"});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QStringList report = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(report.size(), 8) << report.join('\n').toStdString();
    EXPECT_EQ(report[2], "Zeile 7, geändert: Die Empfangsfrequenz 146.523400 MHz liegt außerhalb des 5-kHz- und des "
                         "6,25-kHz-Rasters und wurde auf 146.520000 MHz gesenkt.");
    EXPECT_EQ(report[6], "Zeile 10, übersprungen: Die Empfangsfrequenz 450.000000 MHz liegt außerhalb des Bands "
                         "dieses Funkgeräts, 136-174MHz.");
    EXPECT_EQ(report[7], "2 Zeilen geladen, 5 übersprungen.");
}

TEST_F(CliExchange, AFileWithProblemsIsReportedLineByLineAndTheRestLoads)
{
    const CliRun result = run({"import", "problems.csv", "--output", "out.sin"});
    EXPECT_EQ(result.exitCode, 1) << result.errors.toStdString();
    QStringList expected;
    for (const char* line : kProblemReport)
        expected << QString::fromUtf8(line);
    EXPECT_EQ(result.out.split('\n', Qt::SkipEmptyParts), expected);

    const CliRun shown = run({"export", "out.sin", "-", "--standard-columns"});
    const QStringList rows = shown.out.split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 3) << shown.out.toStdString();
    EXPECT_TRUE(rows[1].startsWith("2,,146.520000,,0.000000,Tone,100.0,")) << rows[1].toStdString();
    EXPECT_TRUE(rows[1].contains(",NFM,5.00,,1.0W,")) << rows[1].toStdString();
    EXPECT_TRUE(rows[2].startsWith("6,,146.520000,")) << rows[2].toStdString();
}

TEST_F(CliExchange, TheBaseKeepsTheChannelsTheListDoesNotName)
{
    ASSERT_FALSE(files.write("one.csv", "Location,Frequency\n3,150.000000\n").isEmpty());
    ASSERT_EQ(run({"resave", "demo.sin", "shown.sin"}).exitCode, 0);
    const CliRun result = run({"import", "one.csv", "--base", "demo.sin", "--output", "out.sin"});
    ASSERT_EQ(result.exitCode, 0) << result.out.toStdString() << result.errors.toStdString();

    const RadioImage shown = image("shown.sin");
    RadioImage out = image("out.sin");
    EXPECT_NE(out, shown);
    // Channel 3 is the list's; put the demo's back and nothing else differs.
    const auto demoThree = shown.channel(3);
    std::copy(demoThree.begin(), demoThree.end(), out.channel(3).begin());
    EXPECT_EQ(out, shown);
}

TEST_F(CliExchange, StockPlansGoIntoTheRadioTheyAreFor)
{
    const CliRun list = run({"import", "--list-stock"});
    ASSERT_EQ(list.exitCode, 0);
    const QStringList names = {"pmr446", "marine-vhf", "2m-simplex"};
    for (const QString& name : names) {
        const QRegularExpression listed("^" + name + " +HM-615[UV] ", QRegularExpression::MultilineOption);
        EXPECT_TRUE(list.out.contains(listed)) << list.out.toStdString();
        const CliRun imported = run({"import", "--stock", name, "--output", name + ".sin"});
        EXPECT_EQ(imported.exitCode, 0) << name.toStdString() << imported.out.toStdString();
        EXPECT_EQ(imported.out, "16 rows loaded, 0 skipped.\n");
    }
    const CliRun pmr = run({"export", "pmr446.sin", "-"});
    EXPECT_TRUE(pmr.out.contains("\r\n1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,1.0W,"))
        << pmr.out.toStdString();
    EXPECT_TRUE(pmr.out.contains("\r\n16,,446.193750,"));
}

TEST_F(CliExchange, AStockPlanForTheOtherBandLoadsNothing)
{
    const CliRun result = run({"import", "--stock", "pmr446", "--base", "demo.sin", "--output", "out.sin"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.contains("Line 5, skipped: Receive frequency 446.006250 MHz is outside this radio's "
                                    "band, 136-174MHz."))
        << result.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(files.path("out.sin")));
}

TEST_F(CliExchange, StandardInputAndOutputCarryTheListAndTheImage)
{
    const CliRun result = run({"import", "-", "--output", "-"}, kProblemList);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out.toLatin1().size(), 1024);
    EXPECT_TRUE(result.errors.contains(QString::fromUtf8(kProblemReport[0]))) << result.errors.toStdString();
}

// Rows are loaded only once they are in a saved file.
TEST_F(CliExchange, NoRowsAreSaidLoadedWhenTheOutputCannotBeSaved)
{
    ASSERT_FALSE(files.write("one.csv", "Location,Frequency\n3,150.000000\n").isEmpty());
    const CliRun result = run({"import", "one.csv", "--output", "no-such-folder/out.sin"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(result.out.contains("rows loaded")) << result.out.toStdString();
    EXPECT_TRUE(result.errors.contains("no-such-folder/out.sin")) << result.errors.toStdString();
}

struct RefusalCase {
    const char* name;
    QStringList args;
    QByteArray list;   // written as list.csv when not empty
    int exitCode;
    const char* error;   // a line of standard error
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

const RefusalCase kRefusals[] = {
    {"NoFrequencyColumn", {"import", "list.csv", "--output", "out.sin"}, "Location,Name\n1,A\n", 2,
     "hmprog-cli import: The file has no Frequency column, so it holds no channels this program can read."},
    {"EveryRowSkipped", {"import", "list.csv", "--output", "out.sin"}, "Frequency\n0\n", 2, ""},
    {"ListIsAFifo", {"import", "fifo", "--output", "out.sin"}, {}, 2, "fifo is a FIFO (named pipe), not a channel list."},
    {"ListIsAFolder", {"import", ".", "--output", "out.sin"}, {}, 2, ". is a folder, not a channel list."},
    {"MissingList", {"import", "none.csv", "--output", "out.sin"}, {}, 2, "none.csv: No such file or directory"},
    {"MissingBase", {"import", "list.csv", "--base", "none.sin", "--output", "out.sin"}, "Frequency\n150\n", 2,
     "none.sin: No such file or directory"},
    {"OutputIsAFifo", {"import", "list.csv", "--output", "fifo"}, "Frequency\n150\n", 2,
     "fifo is a FIFO (named pipe), not a regular file: nothing was written to it."},
    {"ExportIntoAFifo", {"export", "demo.sin", "fifo"}, {}, 1,
     "fifo is a FIFO (named pipe), not a regular file: nothing was written to it."},
    {"ListAndStock", {"import", "list.csv", "--stock", "pmr446", "--output", "out.sin"}, "Frequency\n150\n", 2,
     "hmprog-cli import: give IN.csv or --stock NAME, not both"},
    {"NeitherListNorStock", {"import", "--output", "out.sin"}, {}, 2, "hmprog-cli import: give IN.csv or --stock NAME"},
    {"NoOutput", {"import", "list.csv"}, "Frequency\n150\n", 2, "hmprog-cli import: --output OUT.sin is required"},
    {"UnknownStockPlan", {"import", "--stock", "pmr", "--output", "out.sin"}, {}, 2,
     "hmprog-cli import: there is no stock plan 'pmr'; --list-stock lists them"},
    {"ListStockWithMore", {"import", "--list-stock", "--output", "out.sin"}, {}, 2,
     "hmprog-cli import: --list-stock takes nothing else"},
    {"ExportWithoutOutput", {"export", "demo.sin"}, {}, 2, "hmprog-cli export: give IN.sin and OUT.csv"},
};

class CliExchangeRefusals : public CliExchange, public testing::WithParamInterface<RefusalCase> {};

TEST_P(CliExchangeRefusals, EndWithTheirStatusAndWriteNothing)
{
    const RefusalCase& c = GetParam();
    if (!c.list.isEmpty()) {
        ASSERT_FALSE(files.write("list.csv", c.list).isEmpty());
    }
    const CliRun result = run(c.args);
    EXPECT_EQ(result.exitCode, c.exitCode) << result.errors.toStdString();
    if (*c.error != '\0') {
        EXPECT_TRUE(result.errors.split('\n').contains(QString::fromUtf8(c.error))) << result.errors.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(files.path("out.sin")));
}

INSTANTIATE_TEST_SUITE_P(Exchange, CliExchangeRefusals, testing::ValuesIn(kRefusals),
                         [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

} // namespace
