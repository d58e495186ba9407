// hmprog-cli read and write against hmprog-cli sim on a pseudo-terminal.

#include "document/channel_file.h"
#include "image/image_layout.h"
#include "link/partial_write.h"
#include "port/qt_serial_link.h"
#include "sim/demo_image.h"

#include "cli/cli_process.h"

#include <QProcess>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QRegularExpression>

#include <chrono>
#include <csignal>
#include <random>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

RadioImage randomImage(unsigned seed, std::uint8_t model)
{
    std::mt19937 rng(seed);
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i)
        image.setByte(i, static_cast<std::uint8_t>(rng()));
    image.setByte(layout::kModel, model);
    return image;
}

class CliTransfer : public testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    void save(const char* name, const RadioImage& image) { ASSERT_TRUE(SaveChannelFile(path(name), image).ok()); }

    RadioImage load(const char* name)
    {
        RadioImage image;
        EXPECT_TRUE(LoadChannelFile(path(name), image).ok()) << name;
        return image;
    }

    QTemporaryDir dir;
};

TEST_F(CliTransfer, ReadBringsTheRadiosMemoryIntoTheFileAndTracesTheBytes)
{
    const RadioImage radio = randomImage(1, 0x37);
    save("radio.sin", radio);
    Sim sim({QStringLiteral("--image"), path("radio.sin"), QStringLiteral("--save"), path("after.sin")});
    ASSERT_FALSE(sim.device().isEmpty());
    const Outcome read = runCli({QStringLiteral("read"), QStringLiteral("--port"), sim.device(),
                                 QStringLiteral("--output"), path("read.sin"), QStringLiteral("--trace"),
                                 path("trace.txt")});
    EXPECT_EQ(read.exitCode, 0) << read.errors.toStdString();
    EXPECT_EQ(load("read.sin"), radio);
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_EQ(load("after.sin"), radio);

    QFile trace(path("trace.txt"));
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(trace.readAll());
    EXPECT_TRUE(text.contains(QLatin1String(" TX 52 03 F8 08\n"))) << text.left(300).toStdString();
    EXPECT_TRUE(text.contains(QLatin1String(" RX 16\n")));
    EXPECT_TRUE(text.endsWith(QLatin1String(" close\n")));
}

TEST_F(CliTransfer, WriteStoresTheFileButLeavesTheTwoStretchesAWriteNeverSends)
{
    const RadioImage radio = randomImage(2, 0x37);
    const RadioImage file = randomImage(3, 0x37);
    save("radio.sin", radio);
    save("file.sin", file);
    Sim sim({QStringLiteral("--image"), path("radio.sin"), QStringLiteral("--save"), path("after.sin")});
    // Random bytes hold values no radio can hold: --yes writes them all the same.
    const Outcome write = runCli({QStringLiteral("write"), QStringLiteral("--port"), sim.device(),
                                  QStringLiteral("--input"), path("file.sin"), QStringLiteral("--yes")});
    EXPECT_EQ(write.exitCode, 0) << write.errors.toStdString();
    ASSERT_EQ(sim.stop(), 0);
    const RadioImage after = load("after.sin");
    for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
        const bool leftAlone = (a >= 0x300 && a < 0x320) || a >= 0x3F0;
        ASSERT_EQ(after.byte(a), leftAlone ? radio.byte(a) : file.byte(a)) << a;
    }
}

// A radio that misbehaves, or a file that does not fit it: the exit status,
// the last line on standard error, and a read's output file left as it was.
struct FailureCase {
    const char* name;
    QStringList sim;
    const char* command;
    QStringList options;
    std::uint8_t model;
    int exitCode;
    const char* lastError;
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << c.name;
}

const FailureCase kFailures[] = {
    {"NoBlockAck", {"--fault", "no-block-ack"}, "read", {}, 0x37, 1, "hmprog-cli: Not receive ACK signal"},
    {"ShortBlock", {"--fault", "short-block", "--fault-block", "0"}, "read", {}, 0x37, 1,
     "hmprog-cli: Not receive enough byte"},
    {"ModelMismatch", {"--range", "136-174"}, "write", {}, 0x38, 1, "hmprog-cli: Model do not match"},
    {"WideRadioRefusesUhf", {"--range", "136-480"}, "write", {}, 0x38, 1, "hmprog-cli: Model do not match"},
    {"NakWrite", {"--fault", "nak-write"}, "write", {}, 0x37, 1,
     "hmprog-cli: The radio now holds a partly written memory: write a complete image into it before using it."},
    {"NakFirstWrite", {"--fault", "nak-write", "--fault-block", "0"}, "write", {}, 0x37, 1,
     "hmprog-cli: Communication error"},
    {"UnknownModelByte", {}, "write", {}, 0x39, 1,
     "model byte 0x39 names no model (0x37: 136-174MHz, 0x38: 400-520MHz)"},
    {"VersionPromptWithNoOneToAnswer", {"--fault", "ack-wakeup"}, "read", {}, 0x37, 1,
     "hmprog-cli: Please select the correct software version. (--yes continues)"},
    {"VersionPromptAnsweredYes", {"--fault", "ack-wakeup"}, "read", {"--yes"}, 0x37, 0,
     "hmprog-cli: Please select the correct software version. Continuing."},
    {"RetryPromptWithNoOneToAnswer", {"--fault", "nak-id"}, "read", {}, 0x37, 1,
     "hmprog-cli: Communication error, please try again."},
    {"RetriesUsedUp", {"--fault", "nak-id"}, "read", {"--retries", "1"}, 0x37, 1,
     "hmprog-cli: Communication error, please try again."},
    {"SilentRadioWithNoOneToAnswer", {"--fault", "silent"}, "write", {}, 0x37, 1,
     "hmprog-cli: Communication error, please try again."},
};

class CliFailure : public CliTransfer, public testing::WithParamInterface<FailureCase> {};

TEST_P(CliFailure, ExitsWithItsStatusAndMessage)
{
    const FailureCase& c = GetParam();
    const RadioImage old = randomImage(4, c.model);
    save("file.sin", old);
    Sim sim(c.sim);
    const bool read = QLatin1String(c.command) == QLatin1String("read");
    // Random bytes hold values no radio can hold: a write of them goes on only with --yes.
    const QStringList writeAnyway = read ? QStringList() : QStringList{QStringLiteral("--yes")};
    const Outcome outcome =
        runCli(QStringList{QString::fromLatin1(c.command), QStringLiteral("--port"), sim.device(),
                           read ? QStringLiteral("--output") : QStringLiteral("--input"), path("file.sin")} +
               c.options + writeAnyway);
    EXPECT_EQ(outcome.exitCode, c.exitCode) << outcome.errors.toStdString();
    EXPECT_EQ(outcome.errors.contains(QString::fromUtf8(PartlyWrittenWarning())), QLatin1String(c.name) == QLatin1String("NakWrite"));
    const QStringList lines = outcome.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_TRUE(!lines.isEmpty() && lines.last().endsWith(QLatin1String(c.lastError))) << outcome.errors.toStdString();
    if (read && c.exitCode != 0) {
        EXPECT_EQ(load("file.sin"), old);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CliFailure, testing::ValuesIn(kFailures),
                         [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

class CliUsage : public testing::TestWithParam<QStringList> {};

TEST_P(CliUsage, IsAnErrorOfItsOwn)
{
    EXPECT_EQ(runCli(GetParam()).exitCode, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, CliUsage,
    testing::Values(QStringList{"read", "--port", "sim"}, QStringList{"write", "--input", "x.sin"},
                    QStringList{"read", "--port", "sim", "--output", "x.sin", "--retries", "-1"},
                    QStringList{"read", "--port", "sim", "--output", "x.sin", "--bogus"},
                    QStringList{"write", "--port", "a", "--port", "b", "--input", "x.sin"},
                    QStringList{"sim", "--range", "1-2"}, QStringList{"sim", "--fault", "nope"},
                    QStringList{"sim", "--fault-block", "128"}));

// What bench/transfer lines a program's process up with: when the radio
// read the first byte and wrote the last, on the steady clock, and how late
// it answered; each report starts the next afresh.
TEST_F(CliTransfer, TheSimulatedRadioReportsItsLineWhenAsked)
{
    const auto steadySeconds = [] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    };
    Sim sim({});
    const double before = steadySeconds();
    const Outcome read = runCli({QStringLiteral("read"), QStringLiteral("--port"), sim.device(),
                                 QStringLiteral("--output"), path("read.sin")});
    const double after = steadySeconds();
    ASSERT_EQ(read.exitCode, 0) << read.errors.toStdString();
    static const QRegularExpression line(
        QStringLiteral("^late (\\d+) us, first byte in at (\\d+\\.\\d{6}) s, last byte out at (\\d+\\.\\d{6}) s$"));
    const QString report = sim.report();
    const QRegularExpressionMatch m = line.match(report);
    ASSERT_TRUE(m.hasMatch()) << report.toStdString();
    EXPECT_LT(before, m.captured(2).toDouble());
    EXPECT_LT(m.captured(2).toDouble(), m.captured(3).toDouble());
    EXPECT_LT(m.captured(3).toDouble(), after);
    EXPECT_EQ(sim.report(), QStringLiteral("late 0 us, first byte in at 0.000000 s, last byte out at 0.000000 s"));
}

TEST_F(CliTransfer, APortThatWillNotOpenSaysSoAndCreatesNoFile)
{
    const Outcome outcome = runCli({QStringLiteral("read"), QStringLiteral("--port"),
                                    QStringLiteral("/dev/hmprog-no-such-port"), QStringLiteral("--output"),
                                    path("read.sin")});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.errors.startsWith(QLatin1String("hmprog-cli: Could not open the port\n")))
        << outcome.errors.toStdString();
    EXPECT_FALSE(QFile::exists(path("read.sin")));
}

TEST_F(CliTransfer, InterruptCancelsClosesThePortAndWritesNoFile)
{
    Sim sim({QStringLiteral("--line-rate")});
    QProcess read;
    read.setProcessEnvironment(childEnvironment());
    read.start(QStringLiteral(HMPROG_CLI), {QStringLiteral("read"), QStringLiteral("--port"), sim.device(),
                                            QStringLiteral("--output"), path("read.sin")});
    ASSERT_TRUE(read.waitForStarted());
    ASSERT_FALSE(read.waitForFinished(800));
    ::kill(static_cast<pid_t>(read.processId()), SIGINT);
    ASSERT_TRUE(read.waitForFinished(2000));
    EXPECT_EQ(read.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(read.exitCode(), 3);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("hmprog-cli: Interrupted after \\d+ of 128 blocks had been read; "
                                                  "no file was written\\.\n$"))
                    .match(QString::fromLocal8Bit(read.readAllStandardError()))
                    .hasMatch());
    EXPECT_FALSE(QFile::exists(path("read.sin")));
    QtSerialLink port;
    EXPECT_TRUE(port.Open(sim.device().toStdString()).ok());
}

// A write stopped by a signal once block 40 has gone into the radio: the
// port is closed, the end names the block reached and the radio is said to be
// partly written; the user's own stop is exit status 3.
class CliInterruptedWrite : public CliTransfer, public testing::WithParamInterface<int> {};

TEST_P(CliInterruptedWrite, SaysHowFarItGotAndThatTheRadioIsPartlyWritten)
{
    save("file.sin", randomImage(5, 0x37));
    Sim sim({QStringLiteral("--line-rate")});
    PtyScreen screen;
    ASSERT_FALSE(screen.slave().isEmpty());
    QProcess write;
    write.setProcessEnvironment(childEnvironment());
    write.setStandardErrorFile(screen.slave());
    write.start(QStringLiteral(HMPROG_CLI), {QStringLiteral("write"), QStringLiteral("--port"), sim.device(),
                                             QStringLiteral("--input"), path("file.sin"), QStringLiteral("--yes")});
    ASSERT_TRUE(write.waitForStarted());
    // 41 of the 126 steps: block 40 is in the radio.
    ASSERT_TRUE(screen.waitFor(QStringLiteral("Writing 32%"), 30000)) << screen.text().toStdString();
    ::kill(static_cast<pid_t>(write.processId()), GetParam());
    ASSERT_TRUE(write.waitForFinished(5000));
    screen.waitFor(QString::fromUtf8(PartlyWrittenWarning()), 2000);

    EXPECT_EQ(write.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(write.exitCode(), 3);
    const QRegularExpressionMatch reached =
        QRegularExpression(QStringLiteral("hmprog-cli: Interrupted after (\\d+) of 122 blocks had been written\\."))
            .match(screen.text());
    ASSERT_TRUE(reached.hasMatch()) << screen.text().toStdString();
    EXPECT_GE(reached.captured(1).toInt(), 41);
    EXPECT_LT(reached.captured(1).toInt(), 122);
    EXPECT_TRUE(screen.text().contains(QStringLiteral("hmprog-cli: ") + QString::fromUtf8(PartlyWrittenWarning())))
        << screen.text().toStdString();
    QtSerialLink port;
    EXPECT_TRUE(port.Open(sim.device().toStdString()).ok());
}

INSTANTIATE_TEST_SUITE_P(Signals, CliInterruptedWrite, testing::Values(SIGINT, SIGTERM, SIGHUP),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(info.param == SIGINT    ? "Interrupt"
                                                    : info.param == SIGTERM ? "Terminate"
                                                                            : "HangUp");
                         });

// A prompt on the user's terminal waits for the answer typed there: y goes on,
// anything else (No, a bare Enter) cancels, which is the user's own stop.
struct TerminalAnswer {
    const char* name;
    const char* fault;
    const char* question;
    const char* keys;
    int exitCode;
};

void PrintTo(const TerminalAnswer& c, std::ostream* os)
{
    *os << c.name;
}

const TerminalAnswer kTerminalAnswers[] = {
    {"VersionYes", "ack-wakeup", "Continue? [y/N] ", "y\n", 0},
    {"VersionNo", "ack-wakeup", "Continue? [y/N] ", "n\n", 3},
    {"VersionEnter", "ack-wakeup", "Continue? [y/N] ", "\n", 3},
    {"RetryNo", "nak-id", "Retry? [y/N] ", "N\n", 3},
};

class CliTerminalAnswer : public CliTransfer, public testing::WithParamInterface<TerminalAnswer> {};

TEST_P(CliTerminalAnswer, DecidesTheRead)
{
    const TerminalAnswer& c = GetParam();
    Sim sim({QStringLiteral("--fault"), QString::fromLatin1(c.fault)});
    PtyScreen screen;
    ASSERT_FALSE(screen.slave().isEmpty());
    QProcess read;
    read.setProcessEnvironment(childEnvironment());
    read.setStandardInputFile(screen.slave());
    read.setStandardErrorFile(screen.slave());
    read.start(QStringLiteral(HMPROG_CLI), {QStringLiteral("read"), QStringLiteral("--port"), sim.device(),
                                            QStringLiteral("--output"), path("read.sin")});
    ASSERT_TRUE(read.waitForStarted());
    ASSERT_TRUE(screen.waitFor(QString::fromLatin1(c.question), 30000)) << screen.text().toStdString();
    ASSERT_TRUE(screen.type(c.keys));
    ASSERT_TRUE(read.waitForFinished(30000));

    EXPECT_EQ(read.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(read.exitCode(), c.exitCode) << screen.text().toStdString();
    EXPECT_EQ(QFile::exists(path("read.sin")), c.exitCode == 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, CliTerminalAnswer, testing::ValuesIn(kTerminalAnswers),
                         [](const testing::TestParamInfo<TerminalAnswer>& info) { return std::string(info.param.name); });

TEST_F(CliTransfer, APortThatExistsAsGivenIsOpenedAsGiven)
{
    Sim sim({});
    ASSERT_TRUE(QFile::link(sim.device(), path("radio-port")));
    QProcess read;
    read.setProcessEnvironment(childEnvironment());
    read.setWorkingDirectory(dir.path());
    read.start(QStringLiteral(HMPROG_CLI), {QStringLiteral("read"), QStringLiteral("--port"),
                                            QStringLiteral("radio-port"), QStringLiteral("--output"),
                                            QStringLiteral("read.sin")});
    ASSERT_TRUE(read.waitForFinished(60000));
    EXPECT_EQ(read.exitCode(), 0) << read.readAllStandardError().toStdString();
    EXPECT_EQ(load("read.sin"), DemoRadioImage());
}

TEST_F(CliTransfer, AMissingPortSaysWhereItWasLookedFor)
{
    const Outcome outcome = runCli({QStringLiteral("read"), QStringLiteral("--port"),
                                    QStringLiteral("hmprog-no-such-port"), QStringLiteral("--output"),
                                    path("read.sin")});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.errors.contains(QStringLiteral("hmprog-no-such-port (looked for %1 and "
                                                       "/dev/hmprog-no-such-port)")
                                            .arg(QDir::current().filePath(QStringLiteral("hmprog-no-such-port")))))
        << outcome.errors.toStdString();
}

TEST_F(CliTransfer, TheBuiltInSimulatedRadioHoldsTheDemonstrationChannels)
{
    const Outcome outcome = runCli({QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("sim"),
                                    QStringLiteral("--output"), path("demo.sin")});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.errors.toStdString();
    EXPECT_EQ(load("demo.sin"), DemoRadioImage());
}

} // namespace
