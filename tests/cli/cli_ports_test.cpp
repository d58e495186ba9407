#include "cli_process.h"
#include "port/fake_port_system.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <csignal>

namespace {

QJsonObject jsonObject(const QString& text)
{
    return QJsonDocument::fromJson(text.toUtf8()).object();
}

QString ownCommand()
{
    QFile comm(QStringLiteral("/proc/self/comm"));
    return comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed() : QString();
}

// The device the simulated radio serves is a pseudo-terminal: nothing in the
// system's list, but a path that can be asked about.
TEST(CliPorts, APseudoTerminalCanBeOpened)
{
    Sim sim({});
    ASSERT_FALSE(sim.device().isEmpty());

    const Outcome text = runCli({QStringLiteral("ports"), sim.device()});
    EXPECT_EQ(text.exitCode, 0) << text.errors.toStdString();
    EXPECT_EQ(text.output, sim.device() + "\n  can be opened\n");

    const Outcome json = runCli({QStringLiteral("ports"), QStringLiteral("--json"), sim.device()});
    EXPECT_EQ(json.exitCode, 0);
    const QJsonObject device = jsonObject(json.output);
    EXPECT_EQ(device["path"].toString(), sim.device());
    EXPECT_EQ(device["kind"].toString(), "built-in");
    EXPECT_TRUE(device["can_open"].toBool());
    EXPECT_TRUE(device["problems"].toArray().isEmpty());
    EXPECT_TRUE(device["vendor_id"].isNull());
}

// A program that locks the port, as the serial port library does, keeps
// every other program out; ports names it and exits 1.
TEST(CliPorts, ABusyDeviceNamesTheProgramHoldingIt)
{
    Sim sim({});
    ASSERT_FALSE(sim.device().isEmpty());
    const int fd = ::open(QFile::encodeName(sim.device()).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);

    const Outcome text = runCli({QStringLiteral("ports"), sim.device()});
    const Outcome json = runCli({QStringLiteral("ports"), QStringLiteral("--json"), sim.device()});
    ::close(fd);

    EXPECT_EQ(text.exitCode, 1);
    const QString holder = QStringLiteral("%1 (process %2)").arg(ownCommand()).arg(QCoreApplication::applicationPid());
    EXPECT_TRUE(text.output.contains("cannot be opened")) << text.output.toStdString();
    EXPECT_TRUE(text.output.contains(holder)) << text.output.toStdString();
    const QJsonArray problems = jsonObject(json.output)["problems"].toArray();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0].toObject()["kind"].toString(), "busy");
    EXPECT_TRUE(problems[0].toObject()["command"].isNull());

    // Released, the same device opens again.
    EXPECT_EQ(runCli({QStringLiteral("ports"), sim.device()}).exitCode, 0);
}

// A device node of the group dialout with mode 0660, asked about by a user
// outside that group. Only root can make the node and become that user.
TEST(CliPorts, ADeviceOfAnotherGroupNamesTheGroupAndTheCommand)
{
    const struct group* dialout = ::getgrnam("dialout");
    if (::geteuid() != 0 || !dialout)
        GTEST_SKIP() << "needs root and a dialout group";
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QByteArray node = QFile::encodeName(dir.filePath(QStringLiteral("ttyUSB0")));
    // A plain file is no port, whatever its rights: without a device node
    // there is nothing to ask about.
    if (::mknod(node.constData(), S_IFCHR | 0660, makedev(1, 3)) != 0)
        GTEST_SKIP() << "the system forbids device nodes here";
    ASSERT_EQ(::chown(node.constData(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(::chmod(node.constData(), 0660), 0);

    QProcess process;
    process.setProcessEnvironment(childEnvironment());
    process.setChildProcessModifier([] {
        const gid_t nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(99);
    });
    process.start(QStringLiteral(HMPROG_CLI), {QStringLiteral("ports"), QString::fromLocal8Bit(node)});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());

    EXPECT_EQ(process.exitCode(), 1) << output.toStdString();
    EXPECT_TRUE(output.contains("cannot be opened"));
    EXPECT_TRUE(output.contains("Only members of the group \"dialout\" may use the device")) << output.toStdString();
    EXPECT_TRUE(output.contains("sudo usermod -aG dialout $USER"));
    EXPECT_TRUE(output.contains("log out and in again"));
}

TEST(CliPorts, TheListInJsonDescribesEveryDevice)
{
    const Outcome listed = runCli({QStringLiteral("ports"), QStringLiteral("--json")});
    ASSERT_EQ(listed.exitCode, 0) << listed.errors.toStdString();
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(listed.output.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << listed.output.toStdString();
    ASSERT_TRUE(document.object()["devices"].isArray());
    const QStringList kinds = {"usb", "usb-without-device-file", "built-in", "bluetooth"};
    for (const QJsonValue& value : document.object()["devices"].toArray()) {
        const QJsonObject device = value.toObject();
        EXPECT_TRUE(kinds.contains(device["kind"].toString()));
        EXPECT_TRUE(device["can_open"].isBool());
        EXPECT_TRUE(device["problems"].isArray());
        EXPECT_EQ(device["path"].isNull(), device["kind"].toString() == "usb-without-device-file");
    }
}

// The machine can be a folder tree of the test's own (HMPROG_SYSTEM_ROOT): a
// cable's adapter and the computer's own port, each with its device file
// leading to a pseudo-terminal, listed USB first as on a real machine.
TEST(CliPorts, TheMachineCanBeAFolderTree)
{
    Sim sim({});
    const FakeTree machine;
    machine.AddBuiltIn(QStringLiteral("ttyS0"), sim.device());
    machine.AddUsb(QStringLiteral("1-1"), "1a86", "7523", QStringLiteral("ch341"), QStringLiteral("ttyUSB0"), "CABLE0",
                   sim.device());
    qputenv("HMPROG_SYSTEM_ROOT", QFile::encodeName(machine.Root()));
    const Outcome listed = runCli({QStringLiteral("ports"), QStringLiteral("--json")});
    qunsetenv("HMPROG_SYSTEM_ROOT");
    ASSERT_EQ(listed.exitCode, 0) << listed.errors.toStdString();
    const QJsonArray devices = jsonObject(listed.output)["devices"].toArray();
    ASSERT_EQ(devices.size(), 2) << listed.output.toStdString();
    const QJsonObject cable = devices[0].toObject();
    EXPECT_EQ(cable["path"].toString(), machine.Dev(QStringLiteral("ttyUSB0")));
    EXPECT_EQ(cable["kind"].toString(), "usb");
    EXPECT_EQ(cable["serial_number"].toString(), "CABLE0");
    EXPECT_TRUE(cable["can_open"].toBool());
    EXPECT_EQ(devices[1].toObject()["path"].toString(), machine.Dev(QStringLiteral("ttyS0")));
    EXPECT_EQ(devices[1].toObject()["kind"].toString(), "built-in");
}

// Watching lists what is there, then runs until Ctrl+C, which ends it as
// cancelled like every other command.
TEST(CliPorts, WatchRunsUntilCtrlC)
{
    QProcess process;
    process.setProcessEnvironment(childEnvironment());
    process.start(QStringLiteral(HMPROG_CLI), {QStringLiteral("ports"), QStringLiteral("--watch"),
                                               QStringLiteral("--json")});
    process.setReadChannel(QProcess::StandardError);
    QByteArray errors;
    while (!errors.contains("Ctrl+C ends") && process.waitForReadyRead(10000))
        errors += process.readAllStandardError();
    ASSERT_TRUE(errors.contains("Watching for serial devices to appear or go")) << errors.toStdString();
    EXPECT_TRUE(process.state() == QProcess::Running);

    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 3);
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonObject event = QJsonDocument::fromJson(line).object();
        EXPECT_EQ(event["event"].toString(), "present") << line.toStdString();
        EXPECT_TRUE(event["device"].isObject());
    }
}

// What is not a terminal is not a port, however it is named: ports says so
// and exits 1, and a read through it fails with the same words, the name
// found the same way ("null" is /dev/null).
struct NotAPortCase {
    const char* name;
    const char* given;     // under the test's folder unless absolute or bare
    const char* resolved;  // nullptr: the same as given
    const char* what;      // the finding's first sentence
};

void PrintTo(const NotAPortCase& c, std::ostream* os)
{
    *os << c.name;
}

class CliPortsNotATerminal : public testing::TestWithParam<NotAPortCase> {};

TEST_P(CliPortsNotATerminal, IsNotAPort)
{
    const NotAPortCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(QFile(dir.filePath(QStringLiteral("reg"))).open(QIODevice::WriteOnly));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0600), 0);
    const QString given = QString::fromUtf8(c.given).replace(QStringLiteral("DIR"), dir.path());
    const QString resolved = c.resolved ? QString::fromUtf8(c.resolved) : given;
    const QString finding = QString::fromUtf8(c.what) +
                            " No radio can be reached through it: a programming cable shows as a terminal device "
                            "such as /dev/ttyUSB0.";

    const Outcome text = runCli({QStringLiteral("ports"), given});
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_EQ(text.output, resolved + "\n  not a serial port\n  " + finding + "\n");

    const Outcome json = runCli({QStringLiteral("ports"), QStringLiteral("--json"), given});
    EXPECT_EQ(json.exitCode, 1);
    const QJsonObject device = jsonObject(json.output);
    EXPECT_EQ(device["path"].toString(), resolved);
    EXPECT_FALSE(device["can_open"].toBool(true));
    EXPECT_FALSE(device["cable"].toBool(true));
    const QJsonArray problems = device["problems"].toArray();
    ASSERT_EQ(problems.size(), 1) << json.output.toStdString();
    EXPECT_EQ(problems[0].toObject()["kind"].toString(), "not-a-terminal");
    EXPECT_EQ(problems[0].toObject()["text"].toString(), finding);

    const QString output = dir.filePath(QStringLiteral("read.sin"));
    const Outcome read = runCli({QStringLiteral("read"), QStringLiteral("--port"), given, QStringLiteral("--output"),
                                 output});
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_TRUE(read.errors.contains(resolved + ": ")) << read.errors.toStdString();
    EXPECT_TRUE(read.errors.contains(finding)) << read.errors.toStdString();
    EXPECT_FALSE(QFile::exists(output));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliPortsNotATerminal,
    testing::Values(NotAPortCase{"RegularFile", "DIR/reg", nullptr, "This is a file, not a serial port."},
                    NotAPortCase{"Fifo", "DIR/fifo", nullptr, "This is a FIFO (named pipe), not a serial port."},
                    NotAPortCase{"DevNull", "/dev/null", nullptr,
                                 "This device is not a terminal, so it is not a serial port."},
                    NotAPortCase{"BareNameUnderDev", "null", "/dev/null",
                                 "This device is not a terminal, so it is not a serial port."}),
    [](const testing::TestParamInfo<NotAPortCase>& info) { return info.param.name; });

struct UsageCase {
    const char* name;
    QStringList args;
    const char* error;
};

class CliPortsUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(CliPortsUsage, IsRefusedWithStatus2)
{
    const Outcome outcome = runCli(QStringList{QStringLiteral("ports")} + GetParam().args);
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_TRUE(outcome.errors.contains(QString::fromUtf8(GetParam().error))) << outcome.errors.toStdString();
    EXPECT_TRUE(outcome.output.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliPortsUsage,
    testing::Values(UsageCase{"TwoDevices", {"/dev/ttyUSB0", "/dev/ttyUSB1"}, "/dev/ttyUSB1"},
                    UsageCase{"WatchOfOneDevice", {"--watch", "/dev/ttyUSB0"}, "give no DEVICE"},
                    UsageCase{"UnknownOption", {"--jsn"}, "--jsn"}),
    [](const testing::TestParamInfo<UsageCase>& info) { return info.param.name; });

} // namespace
