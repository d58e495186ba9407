// hmprog-cli fleet: one file into several simulated radios at line rate, each
// on a pseudo-terminal of its own, at the same time.

#include "cli/cli_process.h"
#include "port/fake_port_system.h"

#include "document/channel_file.h"
#include "fleet/fleet_log.h"
#include "fleet/radio_data.h"
#include "fleet/sha256.h"
#include "image/image_layout.h"
#include "sim/demo_image.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

namespace {

// What a radio holds afterwards.
enum class Holds { File, Own, FileOntoOwn, Neither };

// How the radio is reached: a port given with --port, a USB cable that the
// machine lists, or the computer's own serial port.
enum class Behind { Port, Cable, BuiltIn };

struct RadioCase {
    QStringList sim;       // hmprog-cli sim options beyond the memory and --line-rate
    const char* result;    // its RESULT in the table; nullptr: not in the table, nor in the log
    Holds holds;
    Behind behind = Behind::Port;
};

struct FleetCase {
    const char* name;
    std::vector<RadioCase> radios;
    QStringList options;
    int exitCode;
};

void PrintTo(const FleetCase& c, std::ostream* os)
{
    *os << c.name;
}

const QStringList kNakBlock40 = {"--fault", "nak-write", "--fault-block", "40"};
const QStringList kUhf = {"--range", "400-520"};

const FleetCase kCases[] = {
    {"ThreeWrittenAndVerified",
     {{{}, "written", Holds::File}, {{}, "written", Holds::File}, {{}, "written", Holds::File}},
     {"--verify", "--backup"}, 0},
    {"OneRefusesBlock40",
     {{{}, "written", Holds::File}, {kNakBlock40, "failed", Holds::Neither}, {{}, "written", Holds::File}},
     {"--verify", "--backup"}, 1},
    {"OneOfTheOtherModel", {{{}, "written", Holds::File}, {kUhf, "other model", Holds::Own}}, {"--verify"}, 1},
    {"KeepingRadioData", {{{}, "written, radio data kept", Holds::FileOntoOwn}, {{}, "written, radio data kept",
                          Holds::FileOntoOwn}}, {"--keep-radio-data", "--verify"}, 0},
    {"AllCablesButTheComputersOwnPort",
     {{{}, "written", Holds::File, Behind::Cable}, {{}, nullptr, Holds::Own, Behind::BuiltIn},
      {{}, "written", Holds::File, Behind::Cable}},
     {"--all-cables", "--verify"}, 0},
};

// The file: the demonstration memory with channel 1 on 151.82000 MHz. Each
// radio: the demonstration memory with kill codes of its own.
RadioImage fileImage()
{
    RadioImage image = DemoRadioImage();
    const std::uint8_t frequency[] = {0x00, 0x20, 0x18, 0x15};
    for (std::size_t i = 0; i < 4; ++i) {
        image.setByte(0x010 + layout::kRxFrequency + i, frequency[i]);
        image.setByte(0x010 + layout::kTxFrequency + i, frequency[i]);
    }
    return image;
}

RadioImage radioImage(std::size_t n)
{
    RadioImage image = DemoRadioImage();
    for (std::size_t i = 0; i < layout::kTextFieldSize; ++i)
        image.setByte(layout::kKillCode + i, static_cast<std::uint8_t>('1' + (i + n) % 9));
    return image;
}

class CliFleet : public testing::TestWithParam<FleetCase> {
protected:
    void SetUp() override
    {
        m_savedHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path()));
        // The machine hmprog-cli sees: its cables are those the test plugs in.
        qputenv("HMPROG_SYSTEM_ROOT", QFile::encodeName(m_machine.Root()));
    }
    void TearDown() override
    {
        qputenv("XDG_DATA_HOME", m_savedHome);
        qunsetenv("HMPROG_SYSTEM_ROOT");
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    // radio n's device file: its pseudo-terminal behind a USB cable or the
    // computer's own port, or the pseudo-terminal itself.
    QString plugIn(Behind behind, std::size_t n, const QString& pty) const
    {
        const QString tty = QStringLiteral("ttyUSB%1").arg(n);
        switch (behind) {
        case Behind::Cable:
            m_machine.AddUsb(QStringLiteral("1-%1").arg(n + 1), "1a86", "7523", "ch341", tty, cableSerial(n), pty);
            return m_machine.Dev(tty);
        case Behind::BuiltIn:
            m_machine.AddBuiltIn(QStringLiteral("ttyS%1").arg(n), pty);
            return m_machine.Dev(QStringLiteral("ttyS%1").arg(n));
        case Behind::Port:
            break;
        }
        return pty;
    }
    static QByteArray cableSerial(std::size_t n) { return "CABLE" + QByteArray::number(n); }

    QTemporaryDir m_home;
    QTemporaryDir m_dir;
    FakeTree m_machine;

private:
    QByteArray m_savedHome;
};

RadioImage expected(Holds holds, const RadioImage& file, const RadioImage& own)
{
    switch (holds) {
    case Holds::File:
        return file;
    case Holds::FileOntoOwn:
        return FileFormOntoRadio(file, own);
    case Holds::Own:
    case Holds::Neither:
        break;
    }
    return own;
}

TEST_P(CliFleet, WritesEveryRadioItMayAndReportsEach)
{
    const FleetCase& c = GetParam();
    const RadioImage file = fileImage();
    ASSERT_TRUE(SaveChannelFile(path("club.sin"), file).ok());
    std::vector<std::unique_ptr<Sim>> sims;
    QStringList ports;
    QStringList args = {"fleet", "--input", path("club.sin"), "--log", path("fleet.csv")};
    for (std::size_t n = 0; n < c.radios.size(); ++n) {
        const QString own = path(QStringLiteral("radio%1.sin").arg(n));
        ASSERT_TRUE(SaveChannelFile(own, radioImage(n)).ok());
        sims.push_back(std::make_unique<Sim>(QStringList{"--line-rate", "--image", own, "--save",
                                                         path(QStringLiteral("after%1.sin").arg(n))} +
                                             c.radios[n].sim));
        ports << plugIn(c.radios[n].behind, n, sims.back()->device());
        if (c.radios[n].behind == Behind::Port)
            args << "--port" << ports.back();
    }
    // A machine under load may delay a simulated radio's reply past its
    // deadline; a retry answers that as a user at the bench would.
    const Outcome run = runCli(args + c.options + QStringList{"--retries", "2"}, 120000);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.errors.toStdString() << run.output.toStdString();

    QFile log(path("fleet.csv"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    const auto programmed =
        std::count_if(c.radios.begin(), c.radios.end(), [](const RadioCase& r) { return r.result != nullptr; });
    ASSERT_EQ(rows.size(), programmed + 1);
    EXPECT_EQ(rows.front() + u'\n', QString::fromStdString(FleetLogHeader()));
    const QString sha = QString::fromStdString(Sha256Hex(file.bytes()));
    for (std::size_t n = 0; n < c.radios.size(); ++n) {
        const RadioCase& radio = c.radios[n];
        ASSERT_EQ(sims[n]->stop(), 0);
        RadioImage after;
        ASSERT_TRUE(LoadChannelFile(path(QStringLiteral("after%1.sin").arg(n)), after).ok());
        const RadioImage own = radioImage(n);
        if (radio.holds == Holds::Neither) {
            EXPECT_NE(after, file);
            EXPECT_NE(after, own);
        } else {
            EXPECT_EQ(after, expected(radio.holds, file, own)) << n;
        }
        const QString device = ports[static_cast<qsizetype>(n)];
        const QStringList tableRow =
            run.output.split(u'\n').filter(QRegularExpression(u'^' + QRegularExpression::escape(device) + u' '));
        if (!radio.result) {
            EXPECT_TRUE(tableRow.isEmpty()) << run.output.toStdString();
            EXPECT_TRUE(rows.filter(u',' + device + u',').isEmpty());
            continue;
        }
        ASSERT_EQ(tableRow.size(), 1) << run.output.toStdString();
        EXPECT_TRUE(tableRow.front().contains(QString::fromUtf8(radio.result))) << tableRow.front().toStdString();
        const QStringList logRow = rows.filter(u',' + device + u',');
        ASSERT_EQ(logRow.size(), 1);
        const QStringList fields = logRow.front().split(u',');
        ASSERT_EQ(fields.size(), 11) << logRow.front().toStdString();
        EXPECT_EQ(fields[2], sha);
        EXPECT_EQ(fields[4], radio.behind == Behind::Cable ? cableSerial(n) : QByteArray()) << n;
        EXPECT_TRUE(fields[6].startsWith(QString::fromUtf8(radio.result).section(u',', 0, 0)))
            << fields[6].toStdString();
        EXPECT_EQ(fields[8], radio.holds == Holds::FileOntoOwn ? "kept" : "replaced");
        const bool restoreOffered =
            run.errors.contains(QStringLiteral("hmprog-cli write --port %1 --input ").arg(device));
        EXPECT_EQ(restoreOffered, radio.holds == Holds::Neither) << run.errors.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CliFleet, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

// Ctrl+C while the radios are being read for their backups: each read
// completes, no write starts, every radio keeps its own memory.
TEST_F(CliFleet, CtrlCEndsAfterTheTransfersInProgress)
{
    ASSERT_TRUE(SaveChannelFile(path("club.sin"), fileImage()).ok());
    std::vector<std::unique_ptr<Sim>> sims;
    QStringList args = {"fleet", "--input", path("club.sin"), "--backup"};
    for (std::size_t n = 0; n < 2; ++n) {
        ASSERT_TRUE(SaveChannelFile(path(QStringLiteral("radio%1.sin").arg(n)), radioImage(n)).ok());
        const QString own = path(QStringLiteral("radio%1.sin").arg(n));
        sims.push_back(std::make_unique<Sim>(
            QStringList{"--line-rate", "--image", own, "--save", path(QStringLiteral("after%1.sin").arg(n))}));
        args << "--port" << sims.back()->device();
    }
    QProcess fleet;
    fleet.setProcessEnvironment(childEnvironment());
    fleet.start(QStringLiteral(HMPROG_CLI), args);
    fleet.setReadChannel(QProcess::StandardError);
    QString errors;
    while (errors.count(QStringLiteral(": reading\n")) < 2 && fleet.waitForReadyRead(10000))
        errors += QString::fromLocal8Bit(fleet.readAllStandardError());
    ASSERT_EQ(errors.count(QStringLiteral(": reading\n")), 2) << errors.toStdString();
    ::kill(static_cast<pid_t>(fleet.processId()), SIGINT);
    ASSERT_TRUE(fleet.waitForFinished(30000));
    errors += QString::fromLocal8Bit(fleet.readAllStandardError());
    EXPECT_EQ(fleet.exitCode(), 3) << errors.toStdString();
    EXPECT_FALSE(errors.contains(QStringLiteral(": writing"))) << errors.toStdString();
    const QString table = QString::fromLocal8Bit(fleet.readAllStandardOutput());
    for (std::size_t n = 0; n < 2; ++n) {
        ASSERT_EQ(sims[n]->stop(), 0);
        RadioImage after;
        ASSERT_TRUE(LoadChannelFile(path(QStringLiteral("after%1.sin").arg(n)), after).ok());
        EXPECT_EQ(after, radioImage(n));
        // The read went to its end: its backup is kept.
        EXPECT_TRUE(table.contains(QRegularExpression(QRegularExpression::escape(sims[n]->device()) +
                                                      QStringLiteral(" .*not written .*/hmprog/backups/"))))
            << table.toStdString();
    }
}

// The cable of one radio pulled in the middle of its write: the other radio
// is written, the pulled one reported with the way back to its backup.
TEST_F(CliFleet, ACablePulledMidWriteFailsThatRadioOnly)
{
    const RadioImage file = fileImage();
    ASSERT_TRUE(SaveChannelFile(path("club.sin"), file).ok());
    std::vector<std::unique_ptr<Sim>> sims;
    QStringList args = {"fleet", "--input", path("club.sin"), "--backup"};
    for (std::size_t n = 0; n < 2; ++n) {
        const QString own = path(QStringLiteral("radio%1.sin").arg(n));
        ASSERT_TRUE(SaveChannelFile(own, radioImage(n)).ok());
        sims.push_back(std::make_unique<Sim>(
            QStringList{"--line-rate", "--image", own, "--save", path(QStringLiteral("after%1.sin").arg(n))}));
        args << "--port" << sims.back()->device();
    }
    QProcess fleet;
    fleet.setProcessEnvironment(childEnvironment());
    fleet.start(QStringLiteral(HMPROG_CLI), args);
    fleet.setReadChannel(QProcess::StandardError);
    const QString pulled = sims[1]->device();
    QString errors;
    while (!errors.contains(pulled + QStringLiteral(": writing\n")) && fleet.waitForReadyRead(20000))
        errors += QString::fromLocal8Bit(fleet.readAllStandardError());
    // A third of the write in.
    ASSERT_FALSE(fleet.waitForFinished(800));
    ASSERT_EQ(sims[1]->stop(), 0);
    ASSERT_TRUE(fleet.waitForFinished(60000));
    errors += QString::fromLocal8Bit(fleet.readAllStandardError());
    EXPECT_EQ(fleet.exitCode(), 1) << errors.toStdString();
    EXPECT_TRUE(errors.contains(pulled + QStringLiteral(": failed: "))) << errors.toStdString();
    EXPECT_TRUE(errors.contains(QStringLiteral("hmprog-cli write --port %1 --input ").arg(pulled)))
        << errors.toStdString();
    ASSERT_EQ(sims[0]->stop(), 0);
    RadioImage after;
    ASSERT_TRUE(LoadChannelFile(path("after0.sin"), after).ok());
    EXPECT_EQ(after, file);
}

// write --keep-radio-data: the file's channels, the radio's kill codes.
TEST_F(CliFleet, WriteKeepingRadioDataKeepsTheKillCodes)
{
    const RadioImage file = fileImage();
    ASSERT_TRUE(SaveChannelFile(path("club.sin"), file).ok());
    ASSERT_TRUE(SaveChannelFile(path("radio.sin"), radioImage(3)).ok());
    Sim sim({"--image", path("radio.sin"), "--save", path("after.sin")});
    const Outcome write =
        runCli({"write", "--port", sim.device(), "--input", path("club.sin"), "--keep-radio-data", "--verify"});
    EXPECT_EQ(write.exitCode, 0) << write.errors.toStdString();
    EXPECT_TRUE(write.output.contains(QStringLiteral("Keeping the radio's own data"))) << write.output.toStdString();
    ASSERT_EQ(sim.stop(), 0);
    RadioImage after;
    ASSERT_TRUE(LoadChannelFile(path("after.sin"), after).ok());
    EXPECT_EQ(after, FileFormOntoRadio(file, radioImage(3)));
    EXPECT_EQ(after.byte(layout::kKillCode), radioImage(3).byte(layout::kKillCode));
    EXPECT_EQ(after.byte(0x010 + layout::kRxFrequency + 3), file.byte(0x010 + layout::kRxFrequency + 3));
}

} // namespace

namespace {

// --watch on one port, the bench's cable: three radios behind it one after
// another. Each is written once, however often it is read again while it
// stays on the cable.
TEST_F(CliFleet, WatchProgramsEachRadioOnceAsItComes)
{
    const RadioImage file = fileImage();
    ASSERT_TRUE(SaveChannelFile(path("club.sin"), file).ok());
    const QString cable = path("bench-port");
    QProcess fleet;
    fleet.setProcessEnvironment(childEnvironment());
    fleet.start(QStringLiteral(HMPROG_CLI),
                {"fleet", "--input", path("club.sin"), "--port", cable, "--watch", "--verify", "--log",
                 path("fleet.csv")});
    fleet.setReadChannel(QProcess::StandardError);
    QString errors;
    const auto waitFor = [&](const std::function<bool()>& seen) {
        while (!seen() && fleet.waitForReadyRead(20000))
            errors += QString::fromUtf8(fleet.readAllStandardError());
        return seen();
    };
    for (int n = 0; n < 3; ++n) {
        const QString own = path(QStringLiteral("radio%1.sin").arg(n));
        ASSERT_TRUE(SaveChannelFile(own, radioImage(static_cast<std::size_t>(n))).ok());
        Sim sim({"--image", own, "--save", path(QStringLiteral("after%1.sin").arg(n))});
        ASSERT_TRUE(QFile::link(sim.device(), cable));
        ASSERT_TRUE(waitFor([&] { return errors.count(QStringLiteral("done \u2014 next radio")) == n + 1; }))
            << errors.toStdString();
        const qsizetype done = errors.lastIndexOf(QStringLiteral("next radio"));
        ASSERT_TRUE(waitFor([&] { return errors.mid(done).count(QStringLiteral("waiting: Done")) >= 2; }));
        ASSERT_TRUE(QFile::remove(cable));
        ASSERT_EQ(sim.stop(), 0);
        RadioImage after;
        ASSERT_TRUE(LoadChannelFile(path(QStringLiteral("after%1.sin").arg(n)), after).ok());
        EXPECT_EQ(after, file) << n;
    }
    ::kill(static_cast<pid_t>(fleet.processId()), SIGINT);
    ASSERT_TRUE(fleet.waitForFinished(30000));
    EXPECT_EQ(fleet.exitCode(), 0) << errors.toStdString();
    QFile log(path("fleet.csv"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(log.readAll()).count(QStringLiteral(",written,yes,")), 3);
    EXPECT_EQ(QString::fromLocal8Bit(fleet.readAllStandardOutput()).count(QStringLiteral(" written ")), 3);
}

} // namespace

namespace {

// --watch --all-cables at a bench where a second cable with its radio is
// plugged in after the start: it is programmed as well, each radio once,
// and the computer's own port never.
TEST_F(CliFleet, WatchTakesACablePluggedInLater)
{
    const RadioImage file = fileImage();
    ASSERT_TRUE(SaveChannelFile(path("club.sin"), file).ok());
    std::vector<std::unique_ptr<Sim>> sims;
    const auto radio = [&](std::size_t n) {
        const QString own = path(QStringLiteral("radio%1.sin").arg(n));
        EXPECT_TRUE(SaveChannelFile(own, radioImage(n)).ok());
        const QString after = path(QStringLiteral("after%1.sin").arg(n));
        sims.push_back(std::make_unique<Sim>(QStringList{"--image", own, "--save", after}));
        return sims.back()->device();
    };
    const QString first = plugIn(Behind::Cable, 0, radio(0));
    plugIn(Behind::BuiltIn, 1, radio(1));
    QProcess fleet;
    fleet.setProcessEnvironment(childEnvironment());
    fleet.start(QStringLiteral(HMPROG_CLI), {"fleet", "--input", path("club.sin"), "--all-cables", "--watch",
                                             "--verify", "--log", path("fleet.csv")});
    fleet.setReadChannel(QProcess::StandardError);
    QString errors;
    // Each radio is written, then read again twice without being written.
    const auto waitForDone = [&](const QString& port) {
        const auto seen = [&] {
            const qsizetype done = errors.indexOf(port + QStringLiteral(": HM-615V"));
            return done >= 0 && errors.mid(done).count(port + QStringLiteral(": waiting: Done")) >= 2;
        };
        QElapsedTimer timer;
        timer.start();
        while (!seen() && timer.elapsed() < 60000 && fleet.waitForReadyRead(20000))
            errors += QString::fromUtf8(fleet.readAllStandardError());
        return seen();
    };
    ASSERT_TRUE(waitForDone(first)) << errors.toStdString();
    const QString later = plugIn(Behind::Cable, 2, radio(2));
    ASSERT_TRUE(waitForDone(later)) << errors.toStdString();
    ::kill(static_cast<pid_t>(fleet.processId()), SIGINT);
    ASSERT_TRUE(fleet.waitForFinished(30000));
    EXPECT_EQ(fleet.exitCode(), 0) << errors.toStdString();
    QFile log(path("fleet.csv"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (const auto& [n, port, writes] : {std::tuple{0, first, 1}, {1, m_machine.Dev("ttyS1"), 0}, {2, later, 1}}) {
        EXPECT_EQ(rows.filter(u',' + port + u',').size(), writes) << port.toStdString();
        ASSERT_EQ(sims[static_cast<std::size_t>(n)]->stop(), 0);
        RadioImage after;
        ASSERT_TRUE(LoadChannelFile(path(QStringLiteral("after%1.sin").arg(n)), after).ok());
        EXPECT_EQ(after, writes ? file : radioImage(static_cast<std::size_t>(n))) << n;
    }
}

} // namespace

namespace {

// --watch --all-cables with no cable yet: the bench waits for the first one,
// and Ctrl+C ends the wait with nothing to report.
TEST_F(CliFleet, WatchWaitsForTheFirstCableUntilCtrlC)
{
    ASSERT_TRUE(SaveChannelFile(path("club.sin"), fileImage()).ok());
    QProcess fleet;
    fleet.setProcessEnvironment(childEnvironment());
    fleet.start(QStringLiteral(HMPROG_CLI), {"fleet", "--input", path("club.sin"), "--all-cables", "--watch"});
    ASSERT_TRUE(fleet.waitForReadyRead(20000));
    EXPECT_TRUE(fleet.readAllStandardOutput().contains("into each radio on a cable plugged in"));
    ::kill(static_cast<pid_t>(fleet.processId()), SIGINT);
    ASSERT_TRUE(fleet.waitForFinished(20000));
    EXPECT_EQ(fleet.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(fleet.exitCode(), 0) << fleet.readAllStandardError().toStdString();
}

} // namespace
