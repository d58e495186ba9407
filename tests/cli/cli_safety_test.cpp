// hmprog-cli keeping what was in a radio: backups of reads, the changes a
// write makes, verify after write, the way back from a failed write, diff.

#include "cli/cli_process.h"

#include "document/channel_file.h"
#include "image/image_layout.h"
#include "sim/demo_image.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <unistd.h>

namespace {

QStringList args(std::initializer_list<const char*> list)
{
    QStringList out;
    for (const char* arg : list)
        out << QString::fromUtf8(arg);
    return out;
}

// Every test gets a data folder of its own, which the hmprog-cli it starts
// inherits through XDG_DATA_HOME.
class CliSafety : public testing::Test {
protected:
    void SetUp() override
    {
        m_savedHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path()));
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", m_savedHome); }

    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    void save(const char* name, const RadioImage& image) { ASSERT_TRUE(SaveChannelFile(path(name), image).ok()); }
    RadioImage load(const QString& file)
    {
        RadioImage image;
        EXPECT_TRUE(LoadChannelFile(file, image).ok()) << file.toStdString();
        return image;
    }
    QStringList backups() const
    {
        const QDir folder(m_home.filePath(QStringLiteral("hmprog/backups")));
        QStringList paths;
        for (const QString& name : folder.entryList({QStringLiteral("*.sin")}, QDir::Files))
            paths << folder.filePath(name);
        return paths;
    }

    QTemporaryDir m_home;
    QTemporaryDir m_dir;

private:
    QByteArray m_savedHome;
};

RadioImage edited(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes)
{
    RadioImage image = DemoRadioImage();
    for (const auto& [offset, value] : bytes)
        image.setByte(offset, value);
    return image;
}

struct ReadCase {
    const char* name;
    QStringList sim;
    QStringList options;
    int exitCode;
    bool backupKept;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

const ReadCase kReads[] = {
    {"Completed", {}, {}, 0, true},
    {"CompletedAfterTheVersionPrompt", args({"--fault", "ack-wakeup"}), args({"--yes"}), 0, true},
    {"Failed", args({"--fault", "no-block-ack", "--fault-block", "100"}), {}, 1, false},
    {"Refused", args({"--fault", "ack-wakeup"}), {}, 1, false},
};

class CliReadBackup : public CliSafety, public testing::WithParamInterface<ReadCase> {};

TEST_P(CliReadBackup, KeepsOneForEveryCompletedReadOnly)
{
    const ReadCase& c = GetParam();
    const RadioImage radio = edited({{0x3E0, 0x5A}});
    save("radio.sin", radio);
    Sim sim(QStringList{QStringLiteral("--image"), path("radio.sin")} + c.sim);
    const Outcome read =
        runCli(QStringList{QStringLiteral("read"), QStringLiteral("--port"), sim.device(), QStringLiteral("--output"),
                           path("read.sin")} +
               c.options);
    EXPECT_EQ(read.exitCode, c.exitCode) << read.errors.toStdString();
    const QStringList kept = backups();
    ASSERT_EQ(kept.size(), c.backupKept ? 1 : 0);
    if (c.backupKept) {
        EXPECT_TRUE(QRegularExpression(QStringLiteral("/\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d_HM-615V\\.sin$"))
                        .match(kept.front())
                        .hasMatch())
            << kept.front().toStdString();
        EXPECT_EQ(load(kept.front()), radio);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CliReadBackup, testing::ValuesIn(kReads),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliSafety, ACancelledReadKeepsNoBackup)
{
    Sim sim(args({"--line-rate"}));
    QProcess read;
    read.setProcessEnvironment(childEnvironment());
    read.start(QStringLiteral(HMPROG_CLI), {QStringLiteral("read"), QStringLiteral("--port"), sim.device(),
                                            QStringLiteral("--output"), path("read.sin")});
    ASSERT_TRUE(read.waitForStarted());
    ASSERT_FALSE(read.waitForFinished(800));
    ::kill(static_cast<pid_t>(read.processId()), SIGINT);
    ASSERT_TRUE(read.waitForFinished(2000));
    EXPECT_EQ(read.exitCode(), 3);
    EXPECT_TRUE(backups().isEmpty());
}

TEST_F(CliSafety, ABackupThatCannotBeKeptIsAWarningNotAFailedRead)
{
    QFile blocker(m_home.filePath(QStringLiteral("hmprog")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Outcome read = runCli(args({"read", "--port", "sim", "--output"}) << path("read.sin"));
    EXPECT_EQ(read.exitCode, 0);
    EXPECT_EQ(load(path("read.sin")), DemoRadioImage());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^hmprog-cli: warning: Could not keep a backup: [^\n]*"
                                                  "hmprog/backups[^\n]*\n$"))
                    .match(read.errors)
                    .hasMatch())
        << read.errors.toStdString();
}

struct DiffCase {
    const char* name;
    RadioImage b;
    int exitCode;
    const char* output;
};

void PrintTo(const DiffCase& c, std::ostream* os)
{
    *os << c.name;
}

const DiffCase kDiffs[] = {
    {"Equal", DemoRadioImage(), 0, ""},
    {"ChannelField", edited({{0x2C, 0xF3}}), 1,
     "1 change\nChannel 2: Rx 146.52000, Tx 146.52000, tones Off / Off, Busy Off, High, Wide, Scan Add"
     " -> Rx 146.52000, Tx 146.52000, tones Off / Off, Busy Off, High, Wide, Scan Del\n"},
    {"Setting", edited({{layout::kSquelchLevel, 9}}), 1, "1 change\nSquelch Level: 5 -> 9\n"},
    {"UninterpretedByte", edited({{0x3C5, 0x00}}), 1,
     "1 change\nOther radio data (the radio may use it): "
     "0x3C0: 27 05 03 02 10 17 42 00 -> 27 05 03 02 10 00 42 00 (0x3C5)\n"},
};

class CliDiff : public CliSafety, public testing::WithParamInterface<DiffCase> {};

TEST_P(CliDiff, PrintsTheChangesWithDiffsExitStatus)
{
    const DiffCase& c = GetParam();
    save("a.sin", DemoRadioImage());
    save("b.sin", c.b);
    const Outcome diff = runCli({QStringLiteral("diff"), path("a.sin"), path("b.sin")});
    EXPECT_EQ(diff.exitCode, c.exitCode) << diff.errors.toStdString();
    EXPECT_EQ(diff.output, QString::fromUtf8(c.output));
    EXPECT_EQ(diff.errors, QString());
}

INSTANTIATE_TEST_SUITE_P(Cases, CliDiff, testing::ValuesIn(kDiffs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliSafety, DiffJsonAndItsErrors)
{
    save("a.sin", DemoRadioImage());
    save("b.sin", edited({{layout::kSquelchLevel, 9}}));
    const Outcome json = runCli({QStringLiteral("diff"), path("a.sin"), path("b.sin"), QStringLiteral("--json")});
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_EQ(json.output,
              QStringLiteral("[\n  {\"kind\": \"setting\", \"field\": \"Squelch Level\", \"before\": \"5\", "
                             "\"after\": \"9\"}\n]\n"));
    const Outcome missing = runCli({QStringLiteral("diff"), path("a.sin"), path("missing.sin")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.errors.contains(QLatin1String("missing.sin"))) << missing.errors.toStdString();
    EXPECT_EQ(runCli({QStringLiteral("diff"), path("a.sin")}).exitCode, 2);
}

TEST_F(CliSafety, DryRunPrintsWhatTheWriteChangesAndWritesNothing)
{
    const RadioImage radio = DemoRadioImage();
    save("radio.sin", radio);
    save("new.sin", edited({{layout::kSquelchLevel, 9}, {0x3E0, 0x00}}));
    Sim sim(QStringList{QStringLiteral("--image"), path("radio.sin"), QStringLiteral("--save"), path("after.sin")});
    const Outcome dry = runCli({QStringLiteral("write"), QStringLiteral("--port"), sim.device(),
                                QStringLiteral("--input"), path("new.sin"), QStringLiteral("--against"),
                                path("radio.sin"), QStringLiteral("--dry-run")});
    EXPECT_EQ(dry.exitCode, 0) << dry.errors.toStdString();
    EXPECT_EQ(dry.output, QStringLiteral("2 changes\nSquelch Level: 5 -> 9\nOther radio data (the radio may use it): "
                                         "0x3E0: FF FF FF FF FF FF FF FF -> 00 FF FF FF FF FF FF FF (0x3E0)\n"));
    // The radio as the dry run left it, before any later run could write it.
    const Outcome readBack = runCli({QStringLiteral("read"), QStringLiteral("--port"), sim.device(),
                                     QStringLiteral("--output"), path("after-dry-run.sin")});
    ASSERT_EQ(readBack.exitCode, 0) << readBack.errors.toStdString();
    EXPECT_EQ(load(path("after-dry-run.sin")), radio);
    const Outcome same = runCli({QStringLiteral("write"), QStringLiteral("--port"), sim.device(),
                                 QStringLiteral("--input"), path("radio.sin"), QStringLiteral("--against"),
                                 path("radio.sin"), QStringLiteral("--dry-run")});
    EXPECT_EQ(same.output, QStringLiteral("No changes.\n"));
    const Outcome noAgainst = runCli({QStringLiteral("write"), QStringLiteral("--port"), sim.device(),
                                      QStringLiteral("--input"), path("new.sin"), QStringLiteral("--dry-run")});
    EXPECT_EQ(noAgainst.exitCode, 2);
    ASSERT_EQ(sim.stop(), 0);
    EXPECT_EQ(load(path("after.sin")), radio);
}

TEST_F(CliSafety, AgainstWithoutDryRunPrintsThenWrites)
{
    save("radio.sin", DemoRadioImage());
    const RadioImage file = edited({{layout::kSquelchLevel, 9}});
    save("new.sin", file);
    Sim sim(QStringList{QStringLiteral("--image"), path("radio.sin"), QStringLiteral("--save"), path("after.sin")});
    const Outcome write = runCli({QStringLiteral("write"), QStringLiteral("--port"), sim.device(),
                                  QStringLiteral("--input"), path("new.sin"), QStringLiteral("--against"),
                                  path("radio.sin")});
    EXPECT_EQ(write.exitCode, 0) << write.errors.toStdString();
    EXPECT_EQ(write.output, QStringLiteral("1 change\nSquelch Level: 5 -> 9\n"));
    ASSERT_EQ(sim.stop(), 0);
    EXPECT_EQ(load(path("after.sin")), file);
}

struct VerifyCase {
    const char* name;
    QStringList sim;
    int exitCode;
    const char* output;
    const char* errors;
};

void PrintTo(const VerifyCase& c, std::ostream* os)
{
    *os << c.name;
}

const VerifyCase kVerifies[] = {
    {"GoodRadio", {}, 0, "Verified.\n", ""},
    {"BlockStoredWrong", args({"--fault", "store-wrong", "--fault-block", "3"}), 1, "",
     "Verify failed\n0x018: Channel 1 Rx Tone\n"},
    {"UninterpretedBlockStoredWrong", args({"--fault", "store-wrong", "--fault-block", "124"}), 1, "",
     "Verify failed\n0x3E0: (radio data outside the form)\n"},
};

class CliVerify : public CliSafety, public testing::WithParamInterface<VerifyCase> {};

TEST_P(CliVerify, ReadsBackAndComparesTheWrittenBlocks)
{
    const VerifyCase& c = GetParam();
    save("new.sin", edited({{layout::kSquelchLevel, 9}}));
    Sim sim(c.sim);
    const Outcome write = runCli({QStringLiteral("write"), QStringLiteral("--port"), sim.device(),
                                  QStringLiteral("--input"), path("new.sin"), QStringLiteral("--verify")});
    EXPECT_EQ(write.exitCode, c.exitCode);
    EXPECT_EQ(write.output, QString::fromUtf8(c.output));
    EXPECT_EQ(write.errors, QString::fromUtf8(c.errors));
}

INSTANTIATE_TEST_SUITE_P(Cases, CliVerify, testing::ValuesIn(kVerifies),
                         [](const auto& info) { return std::string(info.param.name); });

// Stopped while it reads the radio back: the write itself had completed, so
// the message says that only the check was cut short.
TEST_F(CliSafety, AnInterruptedVerifySaysTheWriteCompleted)
{
    save("new.sin", edited({{layout::kSquelchLevel, 9}}));
    Sim sim(args({"--line-rate"}));
    PtyScreen screen;
    ASSERT_FALSE(screen.slave().isEmpty());
    QProcess write;
    write.setProcessEnvironment(childEnvironment());
    write.setStandardErrorFile(screen.slave());
    write.start(QStringLiteral(HMPROG_CLI), {QStringLiteral("write"), QStringLiteral("--port"), sim.device(),
                                             QStringLiteral("--input"), path("new.sin"), QStringLiteral("--verify")});
    ASSERT_TRUE(write.waitForStarted());
    ASSERT_TRUE(screen.waitFor(QStringLiteral("Reading 10%"), 60000)) << screen.text().toStdString();
    ::kill(static_cast<pid_t>(write.processId()), SIGINT);
    ASSERT_TRUE(write.waitForFinished(5000));
    screen.waitFor(QStringLiteral("read back."), 2000);
    EXPECT_EQ(write.exitCode(), 3);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("hmprog-cli: The write completed; its check was interrupted after "
                                                  "\\d+ of 128 blocks had been read back\\."))
                    .match(screen.text())
                    .hasMatch())
        << screen.text().toStdString();
    EXPECT_FALSE(screen.text().contains(QLatin1String("no file was written"))) << screen.text().toStdString();
}

TEST_F(CliSafety, AWriteThatFailsAtBlock40SaysHowToRestoreTheBackupAndTheRestoreWorks)
{
    RadioImage radio = DemoRadioImage();
    for (std::size_t offset = 0x300; offset < 0x400; ++offset)
        radio.setByte(offset, static_cast<std::uint8_t>(offset * 7));
    radio.setByte(layout::kModel, layout::kModelBase);
    // The radio's own bytes at random, its settings as a radio holds them.
    for (const std::size_t setting : {layout::kSquelchLevel, layout::kTot, layout::kVox})
        radio.setByte(setting, 3);
    radio.setByte(layout::kBand, layout::kBandBase);
    save("radio.sin", radio);
    save("new.sin", edited({{0x10, 0x50}, {0x3E0, 0x00}, {0x180, 0x11}}));

    QString backupPath;
    {
        Sim failing(QStringList{QStringLiteral("--image"), path("radio.sin"), QStringLiteral("--fault"),
                                QStringLiteral("nak-write"), QStringLiteral("--save"), path("half.sin")});
        const Outcome write = runCli({QStringLiteral("write"), QStringLiteral("--port"), failing.device(),
                                      QStringLiteral("--input"), path("new.sin"), QStringLiteral("--backup")});
        EXPECT_EQ(write.exitCode, 1);
        ASSERT_EQ(backups().size(), 1);
        backupPath = backups().front();
        EXPECT_EQ(load(backupPath), radio);
        EXPECT_TRUE(write.errors.contains(QStringLiteral("\n  hmprog-cli write --port %1 --input %2\n")
                                              .arg(failing.device(), backupPath)))
            << write.errors.toStdString();
        ASSERT_EQ(failing.stop(), 0);
    }
    ASSERT_NE(load(path("half.sin")), radio);

    // The same radio once the trouble is gone, given the printed command.
    Sim radioAgain(QStringList{QStringLiteral("--image"), path("half.sin"), QStringLiteral("--save"),
                               path("restored.sin")});
    const Outcome restore = runCli({QStringLiteral("write"), QStringLiteral("--port"), radioAgain.device(),
                                    QStringLiteral("--input"), backupPath, QStringLiteral("--verify")});
    EXPECT_EQ(restore.exitCode, 0) << restore.errors.toStdString();
    ASSERT_EQ(radioAgain.stop(), 0);
    EXPECT_EQ(load(path("restored.sin")), radio);
}

TEST_F(CliSafety, AFailedReadBeforeTheWriteSendsNothing)
{
    const RadioImage radio = DemoRadioImage();
    save("radio.sin", radio);
    save("new.sin", edited({{layout::kSquelchLevel, 9}}));
    Sim sim(QStringList{QStringLiteral("--image"), path("radio.sin"), QStringLiteral("--fault"),
                        QStringLiteral("no-block-ack"), QStringLiteral("--save"), path("after.sin")});
    const Outcome write = runCli({QStringLiteral("write"), QStringLiteral("--port"), sim.device(),
                                  QStringLiteral("--input"), path("new.sin"), QStringLiteral("--backup")});
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_TRUE(write.errors.endsWith(
        QLatin1String("hmprog-cli: The radio could not be read before the write; nothing was written.\n")))
        << write.errors.toStdString();
    EXPECT_TRUE(backups().isEmpty());
    ASSERT_EQ(sim.stop(), 0);
    EXPECT_EQ(load(path("after.sin")), radio);
}

// A file holding values no radio of its model can hold (a frequency above
// the band, a DCS code with a digit 9) is written only with --yes.
struct ImpossibleCase {
    const char* name;
    QStringList options;
    int exitCode;
    bool written;
};

void PrintTo(const ImpossibleCase& c, std::ostream* os)
{
    *os << c.name;
}

const ImpossibleCase kImpossibles[] = {
    {"Refused", {}, 1, false},
    {"WrittenWithYes", args({"--yes"}), 0, true},
};

class CliImpossibleValues : public CliSafety, public testing::WithParamInterface<ImpossibleCase> {};

TEST_P(CliImpossibleValues, AreWrittenOnlyWithYes)
{
    const ImpossibleCase& c = GetParam();
    const RadioImage radio = DemoRadioImage();
    save("radio.sin", radio);
    const RadioImage file = edited({{0x13, 0x90}, {0x28, 0x99}, {0x29, 0x85}});
    save("odd.sin", file);
    Sim sim(QStringList{QStringLiteral("--image"), path("radio.sin"), QStringLiteral("--save"), path("after.sin")});
    const Outcome write = runCli(QStringList{QStringLiteral("write"), QStringLiteral("--port"), sim.device(),
                                             QStringLiteral("--input"), path("odd.sin")}
                                 << c.options);
    EXPECT_EQ(write.exitCode, c.exitCode) << write.errors.toStdString();
    EXPECT_TRUE(write.errors.contains(QStringLiteral("odd.sin holds values that no radio of its model can hold:\n"
                                                     "  Channel 1: Rx 905.52500 MHz is outside 136-174MHz\n"
                                                     "  Channel 2: Rx tone D599N is no CTCSS or DCS tone\n")))
        << write.errors.toStdString();
    ASSERT_EQ(sim.stop(), 0);
    EXPECT_EQ(load(path("after.sin")) == file, c.written);
    EXPECT_EQ(load(path("after.sin")) == radio, !c.written);
}

INSTANTIATE_TEST_SUITE_P(Cases, CliImpossibleValues, testing::ValuesIn(kImpossibles),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
