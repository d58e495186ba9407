// hmprog-cli and the files it is given: only a regular file of exactly 1024
// bytes is read, nothing but a regular file is replaced, "-" is standard input
// or output, and option values that are missing or empty are refused.

#include "cli_process.h"

#include "document/channel_file.h"
#include "sim/demo_image.h"
#include "support/temp_files.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using CliRun = FedRun;

class CliFiles : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SaveChannelFile(files.path("demo.sin"), DemoRadioImage()).ok());
        const QByteArray demo = TempFiles::read(files.path("demo.sin"));
        ASSERT_FALSE(files.write("short.sin", demo.left(1023)).isEmpty());
        ASSERT_FALSE(files.write("long.sin", demo + '\0').isEmpty());
        ASSERT_EQ(::mkfifo(QFile::encodeName(files.path("fifo")).constData(), 0600), 0);
    }

    // Runs in the test's folder, so that relative names land there.
    CliRun run(const QStringList& args, const QByteArray& input = {}) const
    {
        return runCliIn(files.path(QString()), args, input);
    }

    bool stillAFifo() const
    {
        struct stat info {};
        return ::stat(QFile::encodeName(files.path("fifo")).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
    }

    TempFiles files;
};

struct FileCase {
    const char* name;
    QStringList args;
    int exitCode;
    const char* error; // a line standard error must hold
};

void PrintTo(const FileCase& c, std::ostream* os)
{
    *os << c.name;
}

const FileCase kFileCases[] = {
    {"ShowShort", {"show", "short.sin"}, 1, "short.sin is 1023 bytes long; a channel file holds 1024 bytes."},
    {"ShowExact", {"show", "demo.sin"}, 0, ""},
    {"ShowLong", {"show", "long.sin"}, 1, "long.sin is 1025 bytes long; a channel file holds 1024 bytes."},
    {"ResaveLong", {"resave", "long.sin", "out.sin"}, 1, "long.sin is 1025 bytes long; a channel file holds 1024 bytes."},
    {"WriteLong", {"write", "--port", "sim", "--input", "long.sin"}, 1,
     "long.sin is 1025 bytes long; a channel file holds 1024 bytes."},
    {"ShowFifo", {"show", "fifo"}, 1, "fifo is a FIFO (named pipe), not a channel file."},
    {"WriteFromFifo", {"write", "--port", "sim", "--input", "fifo"}, 1,
     "fifo is a FIFO (named pipe), not a channel file."},
    {"ShowFolder", {"show", "."}, 1, ". is a folder, not a channel file."},
    {"ShowDevice", {"show", "/dev/zero"}, 1, "/dev/zero is a character device, not a channel file."},
    {"ResaveIntoFifo", {"resave", "demo.sin", "fifo"}, 1,
     "fifo is a FIFO (named pipe), not a regular file: nothing was written to it."},
    {"ResaveIntoDevice", {"resave", "demo.sin", "/dev/null"}, 1,
     "/dev/null is a character device, not a regular file: nothing was written to it."},
    {"NewIntoFifo", {"new", "--output", "fifo"}, 1,
     "fifo is a FIFO (named pipe), not a regular file: nothing was written to it."},
    {"ReadIntoFifo", {"read", "--port", "sim", "--output", "fifo"}, 1,
     "fifo is a FIFO (named pipe), not a regular file: nothing was written to it."},
    {"TraceIntoFifo", {"read", "--port", "sim", "--output", "x.sin", "--trace", "fifo"}, 1,
     "hmprog-cli: cannot write the trace: fifo is a FIFO (named pipe), not a regular file: nothing was written "
     "to it"},
    {"EscapedName", {"show", "bad\n\x1b[2Jname.sin"}, 1, "bad\\n\\x1B[2Jname.sin: No such file or directory"},
};

class CliFileKinds : public CliFiles, public testing::WithParamInterface<FileCase> {};

TEST_P(CliFileKinds, OnlyARegularChannelFileIsReadOrReplaced)
{
    const FileCase& c = GetParam();
    const CliRun result = run(c.args);
    EXPECT_EQ(result.exitCode, c.exitCode) << result.errors.toStdString();
    if (c.exitCode != 0) {
        EXPECT_TRUE(result.errors.split(QLatin1Char('\n')).contains(QString::fromUtf8(c.error)))
            << result.errors.toStdString();
    }
    EXPECT_FALSE(result.errors.contains(QLatin1Char('\x1b'))) << "a file name reached the terminal unescaped";
    EXPECT_TRUE(stillAFifo());
    EXPECT_FALSE(QFileInfo::exists(files.path("out.sin")));
    EXPECT_FALSE(QFileInfo::exists(files.path("x.sin")));
}

INSTANTIATE_TEST_SUITE_P(Files, CliFileKinds, testing::ValuesIn(kFileCases),
                         [](const testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

TEST_F(CliFiles, ADashIsStandardInputAndStandardOutput)
{
    const CliRun viaFiles = run({QStringLiteral("resave"), QStringLiteral("demo.sin"), QStringLiteral("out.sin")});
    ASSERT_EQ(viaFiles.exitCode, 0) << viaFiles.errors.toStdString();
    const CliRun viaStreams =
        run({QStringLiteral("resave"), QStringLiteral("-"), QStringLiteral("-")}, TempFiles::read(files.path("demo.sin")));
    EXPECT_EQ(viaStreams.exitCode, 0) << viaStreams.errors.toStdString();
    EXPECT_EQ(viaStreams.out, TempFiles::read(files.path("out.sin")));
    EXPECT_FALSE(QFileInfo::exists(files.path("-")));
}

TEST_F(CliFiles, StandardInputOfTheWrongLengthIsRefused)
{
    const QByteArray demo = TempFiles::read(files.path("demo.sin"));
    const CliRun longer = run({QStringLiteral("show"), QStringLiteral("-")}, demo + demo);
    EXPECT_EQ(longer.exitCode, 1);
    EXPECT_TRUE(longer.errors.contains(
        QLatin1String("standard input is more than 1024 bytes long; a channel file holds 1024 bytes.")))
        << longer.errors.toStdString();
    const CliRun shorter = run({QStringLiteral("show"), QStringLiteral("-")}, demo.left(1000));
    EXPECT_EQ(shorter.exitCode, 1);
    EXPECT_TRUE(shorter.errors.contains(QLatin1String("standard input is 1000 bytes long")))
        << shorter.errors.toStdString();
}

TEST_F(CliFiles, ReadToStandardOutputGivesTheRadiosMemory)
{
    const CliRun read = run({QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("sim"),
                          QStringLiteral("--output"), QStringLiteral("-")});
    ASSERT_EQ(read.exitCode, 0) << read.errors.toStdString();
    EXPECT_EQ(read.out, TempFiles::read(files.path("demo.sin")));
}

TEST_F(CliFiles, WriteFromStandardInputReachesTheRadio)
{
    const CliRun write = run({QStringLiteral("write"), QStringLiteral("--port"), QStringLiteral("sim"),
                           QStringLiteral("--input"), QStringLiteral("-")},
                          TempFiles::read(files.path("demo.sin")));
    EXPECT_EQ(write.exitCode, 0) << write.errors.toStdString();
}

struct UsageCase {
    const char* name;
    QStringList args;
    const char* error;
};

void PrintTo(const UsageCase& c, std::ostream* os)
{
    *os << c.name;
}

const UsageCase kUsageCases[] = {
    {"OptionTakenForValue", {"read", "--port", "sim", "--output", "--yes"}, "hmprog-cli: --output needs a value"},
    {"PortTakenForValue", {"write", "--port", "--input", "demo.sin"}, "hmprog-cli: --port needs a value"},
    {"ValueMissingAtTheEnd", {"read", "--port", "sim", "--output"}, "hmprog-cli: --output needs a value"},
    {"EmptyTrace", {"read", "--port", "sim", "--output", "x.sin", "--trace", ""},
     "hmprog-cli: --trace needs a value, not an empty one"},
    {"EmptyInlineTrace", {"read", "--port", "sim", "--output", "x.sin", "--trace="},
     "hmprog-cli: --trace needs a value, not an empty one"},
    {"EmptyOutput", {"read", "--port", "sim", "--output", ""}, "hmprog-cli: --output needs a value, not an empty one"},
    {"NegativeCount", {"read", "--port", "sim", "--output", "x.sin", "--retries", "-1"},
     "hmprog-cli: --retries needs a count of 0 or more"},
    {"CountTooLarge", {"read", "--port", "sim", "--output", "x.sin", "--retries", "2147483648"},
     "hmprog-cli: --retries 2147483648 is too large: at most 2147483647"},
    {"CountFarTooLarge", {"read", "--port", "sim", "--output", "x.sin", "--retries", "99999999999999999999999"},
     "hmprog-cli: --retries 99999999999999999999999 is too large: at most 2147483647"},
    {"NewOptionTakenForValue", {"new", "--output", "--yes"}, "hmprog-cli new: --output needs a value"},
    {"ResaveEmptyOutput", {"resave", "demo.sin", ""}, "hmprog-cli resave: empty argument ''"},
    // One wording for each kind of mistake, whichever sub-command it is made in.
    {"EmptyPortsArgument", {"ports", ""}, "hmprog-cli: empty argument ''"},
    {"EmptyImportArgument", {"import", "", "--output", "x.sin"}, "hmprog-cli import: empty argument ''"},
    {"ExtraPortsArgument", {"ports", "a", "b"}, "hmprog-cli: unexpected argument 'b'"},
    {"ExtraDiffArgument", {"diff", "demo.sin", "demo.sin", "c"}, "hmprog-cli diff: unexpected argument 'c'"},
    {"RepeatedShowJson", {"show", "demo.sin", "--json", "--json"}, "hmprog-cli show: --json given twice"},
    {"RepeatedPortsJson", {"ports", "--json", "--json"}, "hmprog-cli: --json given twice"},
    {"UnknownDiffOption", {"diff", "demo.sin", "--bogus"}, "hmprog-cli diff: unknown option '--bogus'"},
    {"UnknownResaveOption", {"resave", "demo.sin", "--bogus"}, "hmprog-cli resave: unknown option '--bogus'"},
    {"FleetWithoutPorts", {"fleet", "--input", "demo.sin"}, "hmprog-cli: give --port PORT or --all-cables"},
    {"FleetDeviceTwice", {"fleet", "--input", "demo.sin", "--port", "/dev/null", "--port", "/dev/../dev/null"},
     "hmprog-cli: /dev/../dev/null names a device given already"},
    {"FleetLogOverTheFile", {"fleet", "--input", "demo.sin", "--port", "sim", "--log", "demo.sin"},
     "hmprog-cli: --input demo.sin and --log demo.sin are the same file: the output would replace the input"},
    {"UnknownOptionEscaped", {"read", "--port", "sim", "--output", "x.sin", "--\x1b[1m"},
     "hmprog-cli: unknown option '--\\x1B[1m'"},
};

class CliArguments : public CliFiles, public testing::WithParamInterface<UsageCase> {};

TEST_P(CliArguments, AreRefusedAsAUsageErrorAndCreateNoFile)
{
    const UsageCase& c = GetParam();
    const CliRun result = run(c.args);
    EXPECT_EQ(result.exitCode, 2) << result.errors.toStdString();
    EXPECT_TRUE(result.errors.split(QLatin1Char('\n')).contains(QString::fromUtf8(c.error)))
        << result.errors.toStdString();
    EXPECT_FALSE(result.errors.contains(QLatin1String("QFSFileEngine"))) << result.errors.toStdString();
    const QStringList created = QDir(files.path(QString())).entryList(QDir::Files);
    EXPECT_EQ(created, (QStringList{QStringLiteral("demo.sin"), QStringLiteral("long.sin"),
                                    QStringLiteral("short.sin")}));
}

INSTANTIATE_TEST_SUITE_P(Mistakes, CliArguments, testing::ValuesIn(kUsageCases),
                         [](const testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.name); });

// The synopses are made from what each sub-command accepts, so a change to an
// option shows here.
TEST_F(CliFiles, HelpListsTheSubCommandsInOrderWithTheirSynopses)
{
    const CliRun help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0) << help.errors.toStdString();
    const QString text = QString::fromUtf8(help.out);
    const char* const synopses[] = {
        "\n  read --port PORT --output FILE.sin [--retries N] [--yes] [--trace FILE]\n",
        "\n  write --port PORT --input FILE.sin [--retries N] [--yes] [--trace FILE]\n",
        "\n  sim [--image FILE.sin] [--range 136-174|136-480|400-520] [--fault NAME]\n"
        "      [--fault-block K] [--line-rate] [--save FILE.sin]\n",
        "\n  show FILE.sin [--json]\n",
        "\n  new --output FILE.sin\n",
        "\n  resave IN.sin OUT.sin\n",
    };
    qsizetype previous = -1;
    for (const char* synopsis : synopses) {
        const qsizetype at = text.indexOf(QLatin1String(synopsis));
        EXPECT_GT(at, previous) << synopsis;
        previous = at;
    }
}

} // namespace
