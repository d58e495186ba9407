#include "port/fake_port_system.h"

#include "port/port_diagnosis.h"
#include "port/port_report_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

std::vector<PortProblem> problems(const PortReport& report)
{
    std::vector<PortProblem> list;
    for (const PortFinding& finding : report.findings)
        list.push_back(finding.problem);
    return list;
}

QString commands(const PortReport& report)
{
    QStringList list;
    for (const PortFinding& finding : report.findings)
        list << finding.command;
    return list.join(u'|');
}

const PortReport* findPath(const std::vector<PortReport>& reports, const QString& path)
{
    for (const PortReport& report : reports) {
        if (report.device.path == path)
            return &report;
    }
    return nullptr;
}

// A device the user may not open: what they are told depends on the group
// that owns it, on whether /etc/group lists them in it already, and on
// whether the program runs as a snap.
struct RefusedCase {
    const char* name;
    DeviceNode node;
    bool snap;
    std::vector<PortProblem> expected;
    const char* command;
    const char* mentions;
};

class RefusedDevice : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedDevice, NamesTheGroupAndTheWayIn)
{
    const RefusedCase& c = GetParam();
    FakeTree tree;
    tree.write("dev/ttyUSB0", {});
    FakePortSystem system(tree);
    const QString path = tree.Dev("ttyUSB0");
    system.nodes[path] = c.node;
    if (c.snap) {
        system.environment["SNAP"] = QStringLiteral("/snap/hmprog/12");
        system.environment["SNAP_NAME"] = QStringLiteral("hmprog");
    }
    system.trials[path] = OpenTrial::Opened;   // would open, were the rights there

    const PortReport report = DiagnosePath(system, path);
    EXPECT_FALSE(report.canOpen);
    EXPECT_EQ(problems(report), c.expected);
    EXPECT_EQ(commands(report), QString::fromUtf8(c.command));
    const QString text = PortFindingsText(report);
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.mentions))) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedDevice,
    testing::Values(
        RefusedCase{"NotInTheGroup", {true, false, "dialout", true}, false, {PortProblem::NoPermission},
                    "sudo usermod -aG dialout $USER", "log out and in again"},
        RefusedCase{"AddedSinceThisLogin", {true, false, "plugdev", true}, false, {PortProblem::NewLoginNeeded}, "",
                    "a new login is needed"},
        RefusedCase{"GroupMayNotUseIt", {true, false, "dialout", false}, false, {PortProblem::OwnerOnly}, "",
                    "uaccess"},
        RefusedCase{"OwnedByRootsGroup", {true, false, "root", true}, false, {PortProblem::OwnerOnly}, "",
                    "\"root\""},
        RefusedCase{"AsASnapToo", {true, false, "dialout", true}, true,
                    {PortProblem::NoPermission, PortProblem::SnapConfined},
                    "sudo usermod -aG dialout $USER|snap connect hmprog:serial-port", "serial-port permission"},
        RefusedCase{"Unplugged", {false, false, "", false}, false, {PortProblem::Missing}, "", "not plugged in"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

// A device the user's rights let in, and what trying to open it shows.
struct TrialCase {
    const char* name;
    OpenTrial trial;
    bool snap;
    bool canOpen;
    std::vector<PortProblem> expected;
    const char* command;
    const char* mentions;
};

class OpeningTheDevice : public testing::TestWithParam<TrialCase> {};

TEST_P(OpeningTheDevice, TellsWhoHoldsItOrWhatRefusesIt)
{
    const TrialCase& c = GetParam();
    FakeTree tree;
    tree.write("dev/ttyACM0", {});
    const QString path = tree.Dev("ttyACM0");
    tree.AddProcess(1, "systemd", {QStringLiteral("/dev/null")});
    tree.AddProcess(100, "hmprog", {path});   // this program: never its own obstacle
    if (c.trial == OpenTrial::Busy && c.mentions == QLatin1String("minicom (process 4242)"))
        tree.AddProcess(4242, "minicom", {QStringLiteral("/dev/null"), path});
    FakePortSystem system(tree);
    system.trials[path] = c.trial;
    if (c.snap)
        system.environment["SNAP"] = QStringLiteral("/snap/hmprog-beta/3");
    system.environment["SNAP_NAME"] = QStringLiteral("hmprog-beta");

    const PortReport report = DiagnosePath(system, path);
    EXPECT_EQ(report.canOpen, c.canOpen);
    EXPECT_EQ(problems(report), c.expected);
    EXPECT_EQ(commands(report), QString::fromUtf8(c.command));
    const QString text = PortFindingsText(report);
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.mentions))) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpeningTheDevice,
    testing::Values(
        TrialCase{"Opens", OpenTrial::Opened, false, true, {}, "", ""},
        TrialCase{"HeldByANamedProgram", OpenTrial::Busy, false, false, {PortProblem::Busy}, "",
                  "minicom (process 4242)"},
        TrialCase{"HeldByAProgramTheSystemHides", OpenTrial::Busy, false, false, {PortProblem::Busy}, "",
                  "does not say which"},
        TrialCase{"RefusedToASnap", OpenTrial::Refused, true, false, {PortProblem::SnapConfined},
                  "snap connect hmprog-beta:serial-port", "snap"},
        TrialCase{"RefusedByAPolicy", OpenTrial::Refused, false, false, {PortProblem::CannotOpen}, "", "AppArmor"},
        TrialCase{"NoHardwareBehindIt", OpenTrial::Missing, false, false, {PortProblem::CannotOpen}, "",
                  "No hardware answers"}),
    [](const testing::TestParamInfo<TrialCase>& info) { return info.param.name; });

// A cable's adapter plugged in without a device file: what has taken it, or
// that nothing has, and the braille-display service's rules when they name
// its chip.
struct NoFileCase {
    const char* name;
    QByteArray vendor;
    QByteArray product;
    const char* driver;
    bool brailleRules;
    bool brailleListedByDpkg;
    bool replacedInEtc;
    std::vector<PortProblem> expected;
    const char* command;
    const char* mentions;
};

class AdapterWithoutDeviceFile : public testing::TestWithParam<NoFileCase> {};

TEST_P(AdapterWithoutDeviceFile, SaysWhatTookIt)
{
    const NoFileCase& c = GetParam();
    FakeTree tree;
    tree.AddUsb(QStringLiteral("1-2"), c.vendor, c.product, QString::fromUtf8(c.driver));
    if (c.brailleRules) {
        // The real rules spell the product without leading zeros.
        tree.write("usr/lib/udev/rules.d/85-brltty.rules",
                   "# Device: 1A86:7523\nENV{PRODUCT}==\"1a86/7523/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"bm\"\n"
                   "ENV{PRODUCT}==\"403/6001/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"at,ht\"\n");
    }
    // A file of the same name in /etc replaces the packaged one.
    if (c.replacedInEtc)
        tree.write("etc/udev/rules.d/85-brltty.rules", "# braille display on 10c4:ea60 only\n"
                                                      "ENV{PRODUCT}==\"10c4/ea60/*\", GOTO=\"brltty\"\n");
    if (c.brailleListedByDpkg)
        tree.write("dpkg/brltty:amd64.list", "/.\n/usr/lib/udev/rules.d/85-brltty.rules\n/usr/bin/brltty\n");
    FakePortSystem system(tree);

    const std::vector<PortReport> reports = DiagnosePorts(system);
    ASSERT_EQ(reports.size(), 1U);
    const PortReport& report = reports[0];
    EXPECT_EQ(report.kind, PortKind::UsbWithoutDeviceFile);
    EXPECT_EQ(report.usbPort, "1-2");
    EXPECT_TRUE(report.device.path.isEmpty());
    EXPECT_EQ(problems(report), c.expected);
    EXPECT_EQ(commands(report), QString::fromUtf8(c.command));
    const QString text = PortFindingsText(report);
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.mentions))) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AdapterWithoutDeviceFile,
    testing::Values(
        NoFileCase{"NoDriver", "067b", "2303", "", false, false, false, {PortProblem::NoDeviceFile},
                   "sudo modprobe pl2303", "counterfeit Prolific PL2303"},
        NoFileCase{"DriverMadeNoTty", "0403", "6015", "ftdi_sio", false, false, false, {PortProblem::NoDeviceFile},
                   "sudo dmesg | grep -i ftdi_sio", "made no device file"},
        NoFileCase{"AnotherDriver", "10c4", "ea60", "usbhid", false, false, false, {PortProblem::NoDeviceFile}, "",
                   "usbhid has taken the adapter instead of its serial driver cp210x"},
        NoFileCase{"BrailleServiceOfAPackage", "1a86", "7523", "usbfs", true, true, false,
                   {PortProblem::BrailleService, PortProblem::NoDeviceFile}, "sudo apt remove brltty|",
                   "The package brltty"},
        NoFileCase{"BrailleRulesOfNoKnownPackage", "0403", "6001", "", true, false, false,
                   {PortProblem::BrailleService, PortProblem::NoDeviceFile}, "|sudo modprobe ftdi_sio",
                   "85-brltty.rules"},
        NoFileCase{"BrailleRulesReplacedInEtc", "10c4", "ea60", "", true, true, true,
                   {PortProblem::BrailleService, PortProblem::NoDeviceFile}, "|sudo modprobe cp210x",
                   "etc/udev/rules.d/85-brltty.rules"},
        NoFileCase{"PackagedRulesReplacedInEtc", "1a86", "7523", "", true, true, true, {PortProblem::NoDeviceFile},
                   "sudo modprobe ch341", "No driver has taken the adapter"},
        NoFileCase{"BrailleRulesNamingOtherChips", "1a86", "5523", "", true, true, false, {PortProblem::NoDeviceFile},
                   "sudo modprobe ch341", "No driver has taken the adapter"}),
    [](const testing::TestParamInfo<NoFileCase>& info) { return info.param.name; });

TEST(AdapterWithoutDeviceFile, OnlyTheCablesChipsWithoutATtyAreReported)
{
    FakeTree tree;
    tree.AddUsb(QStringLiteral("1-1"), "046d", "c52b", "");              // a mouse receiver
    tree.AddUsb(QStringLiteral("1-3"), "1a86", "7523", "ch341", "ttyUSB0");
    FakePortSystem system(tree);
    const std::vector<PortReport> reports = AdaptersWithoutDeviceFile(system);
    EXPECT_TRUE(reports.empty());
}

// ModemManager is named only where it runs and udev has not told it to
// leave the adapter alone.
struct ModemCase {
    const char* name;
    bool running;
    QByteArray udevRecord;
    bool usb;
    bool expected;
};

class ModemManagerProbe : public testing::TestWithParam<ModemCase> {};

TEST_P(ModemManagerProbe, IsNamedWithTheRuleThatStopsIt)
{
    const ModemCase& c = GetParam();
    FakeTree tree;
    tree.AddUsb(QStringLiteral("2-1"), "067b", "2303", "pl2303", "ttyUSB0");
    tree.write("run/udev/data/c188:0", c.udevRecord);
    tree.write("dev/ttyS4", {});
    if (c.running)
        tree.AddProcess(812, "ModemManager");
    FakePortSystem system(tree);
    const QString path = tree.Dev(c.usb ? "ttyUSB0" : "ttyS4");
    system.library = {{QStringLiteral("ttyS4"), tree.Dev("ttyS4"), {}, {}, false}};

    const PortReport report = DiagnosePath(system, path);
    EXPECT_TRUE(report.canOpen);
    ASSERT_EQ(report.Has(PortProblem::ModemManager), c.expected);
    if (!c.expected)
        return;
    EXPECT_TRUE(report.findings[0].text.contains("ID_MM_DEVICE_IGNORE"));
    EXPECT_TRUE(report.findings[0].text.contains("/etc/udev/rules.d/70-hmprog-cable.rules"));
    EXPECT_TRUE(report.findings[0].command.contains(
        "ATTRS{idVendor}==\"067b\", ATTRS{idProduct}==\"2303\", ENV{ID_MM_DEVICE_IGNORE}=\"1\""));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModemManagerProbe,
    testing::Values(ModemCase{"RunsAndMayProbe", true, "E:ID_MM_CANDIDATE=1\n", true, true},
                    ModemCase{"RunsWithoutAUdevRecord", true, "", true, true},
                    ModemCase{"TheCableIsMarked", true, "E:ID_MM_CANDIDATE=1\nE:ID_MM_DEVICE_IGNORE=1\n", true, false},
                    ModemCase{"NotRunning", false, "E:ID_MM_CANDIDATE=1\n", true, false},
                    ModemCase{"ABuiltInPort", true, "", false, false}),
    [](const testing::TestParamInfo<ModemCase>& info) { return info.param.name; });

TEST(PortList, UsbAdaptersThenAdaptersWithoutAFileThenBuiltInThenBluetooth)
{
    FakeTree tree;
    tree.AddUsb(QStringLiteral("1-4"), "0403", "6001", "ftdi_sio", "ttyUSB1", "FT99");
    tree.AddUsb(QStringLiteral("1-5"), "1a86", "7523", "");
    for (const char* name : {"ttyS0", "cu.Bluetooth-Incoming-Port", "rfcomm0", "tty0", "ttyACM2"})
        tree.write(QStringLiteral("dev/") + name, {});
    FakePortSystem system(tree);
    // The library found the built-in port and macOS's Bluetooth port; the
    // rest come from the dev folder, tty0 (a console) not among them.
    const QString bluetooth = QStringLiteral("cu.Bluetooth-Incoming-Port");
    system.library = {{bluetooth, tree.Dev(bluetooth), {}, {}, false},
                      {QStringLiteral("ttyS0"), tree.Dev("ttyS0"), {}, {}, false}};

    const std::vector<PortReport> reports = DiagnosePorts(system);
    QStringList order;
    for (const PortReport& report : reports)
        order << (report.device.path.isEmpty() ? report.usbPort : report.device.name);
    EXPECT_EQ(order, QStringList({"ttyUSB1", "1-5", "ttyACM2", "ttyS0", "cu.Bluetooth-Incoming-Port", "rfcomm0"}))
        << order.join(u' ').toStdString();

    const PortReport* usb = findPath(reports, tree.Dev("ttyUSB1"));
    ASSERT_NE(usb, nullptr);
    EXPECT_EQ(PortHeadline(*usb),
              tree.Dev("ttyUSB1") + ": USB-Serial Controller, Maker Inc., USB 0403:6001, FTDI FT232R, serial FT99");
    EXPECT_EQ(PortVerdict(*usb), "can be opened");
    const PortReport* notACable = findPath(reports, tree.Dev(bluetooth));
    ASSERT_NE(notACable, nullptr);
    EXPECT_EQ(problems(*notACable), std::vector<PortProblem>{PortProblem::NotACable});
    EXPECT_EQ(PortVerdict(*notACable), "not a cable");
}

// Under "Could not open the port": the device's own trouble, then any
// cable plugged in without a device file; nothing for a device the system's
// reason already calls missing.
TEST(OpenFailure, DiagnosisAddsWhatTheSystemsReasonLeavesOut)
{
    FakeTree tree;
    tree.write("dev/ttyUSB0", {});
    FakePortSystem system(tree);
    system.nodes[tree.Dev("ttyUSB0")] = {true, false, QStringLiteral("dialout"), true};
    EXPECT_TRUE(OpenFailureDiagnosis(system, tree.Dev("ttyUSB3")).isEmpty());
    EXPECT_TRUE(OpenFailureDiagnosis(system, tree.Dev("ttyUSB0")).contains("sudo usermod -aG dialout $USER"));

    tree.AddUsb(QStringLiteral("3-1"), "067b", "2303", "");
    const QString missing = OpenFailureDiagnosis(system, tree.Dev("ttyUSB3"));
    EXPECT_TRUE(missing.startsWith("USB adapter on port 3-1, without a device file")) << missing.toStdString();
    EXPECT_TRUE(missing.contains("sudo modprobe pl2303"));
}

} // namespace
