#include "link/open_status.h"
#include "link/transfer_status.h"
#include "port/device_access.h"
#include "port/port_selection.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <grp.h>
#include <unistd.h>

#include <ostream>

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

SerialDevice usb(const char* name, const char* description = "USB Serial", const char* maker = "FTDI")
{
    return {name, QStringLiteral("/dev/") + name, description, maker, true};
}

SerialDevice builtIn(const char* name)
{
    return {name, QStringLiteral("/dev/") + name, {}, {}, false};
}

QStringList names(const std::vector<SerialDevice>& devices)
{
    QStringList list;
    for (const SerialDevice& d : devices)
        list << d.name;
    return list;
}

TEST(PortMenuOrder, UsbAdaptersFirstThenTheRestByNameAndNumber)
{
    std::vector<SerialDevice> devices = {builtIn("ttyS1"), usb("ttyUSB10"), builtIn("ttyS0"), usb("ttyACM0"),
                                         usb("ttyUSB2"), builtIn("ttyS10"), builtIn("ttyS2")};
    SortForPortMenu(devices);
    EXPECT_EQ(names(devices), QStringList({"ttyACM0", "ttyUSB2", "ttyUSB10", "ttyS0", "ttyS1", "ttyS2", "ttyS10"}));
}

// The system's device list as a test sets it.
struct FakeSystem {
    std::vector<SerialDevice> devices;
    PortSelection selection{[this] { return devices; }, PortSelection::Naming::Devices};
};

QStringList itemTexts(const PortSelection& selection)
{
    QStringList texts;
    for (int n = 1; n <= PortSelection::kNumberedItems; ++n)
        texts << selection.NumberedText(n);
    return texts;
}

TEST(PortSelection, ItemsShowTheDevicesInMenuOrderAndNoneForTheRest)
{
    FakeSystem system;
    system.devices = {builtIn("ttyS0"), usb("ttyUSB0", "FT232R USB UART", "FTDI")};
    system.selection.Refresh();
    EXPECT_EQ(itemTexts(system.selection),
              QStringList({"COM1 (ttyUSB0)", "COM2 (ttyS0)", "COM3 (none)", "COM4 (none)", "COM5 (none)",
                           "COM6 (none)", "COM7 (none)", "COM8 (none)"}));
    EXPECT_EQ(system.selection.NumberedPrompt(1), "COM1: /dev/ttyUSB0, FT232R USB UART, FTDI");
    EXPECT_EQ(system.selection.NumberedPrompt(2), "COM2: /dev/ttyS0");
    EXPECT_EQ(system.selection.NumberedPrompt(3), "COM3: no serial device");
}

TEST(PortSelection, ExactlyOneItemIsChosenAndComOneAtStart)
{
    FakeSystem system;
    system.devices = {usb("ttyUSB0")};
    PortSelection& s = system.selection;
    const auto checkedItems = [&s] {
        QStringList checked;
        for (int n = 1; n <= PortSelection::kNumberedItems; ++n) {
            if (s.IsNumberedChecked(n))
                checked << QStringLiteral("COM%1").arg(n);
        }
        if (s.Checked() == PortSelection::Item::Other)
            checked << QStringLiteral("other");
        if (s.Checked() == PortSelection::Item::Simulated)
            checked << QStringLiteral("simulated");
        return checked;
    };
    EXPECT_EQ(checkedItems(), QStringList{"COM1"});
    EXPECT_EQ(s.Name(), "COM1");

    const struct {
        std::function<void()> choose;
        const char* checked;
        const char* name;
        const char* otherText;
    } steps[] = {
        {[&s] { s.ChooseNumbered(7); }, "COM7", "COM7", "Other port…"},
        {[&s] { s.ChooseOther(QStringLiteral("/dev/pts/4")); }, "other", "/dev/pts/4", "Other port… (/dev/pts/4)"},
        {[&s] { s.ChooseSimulated(); }, "simulated", "Simulated radio", "Other port…"},
        {[&s] { s.ChooseNumbered(1); }, "COM1", "COM1", "Other port…"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.checked);
        step.choose();
        EXPECT_EQ(checkedItems(), QStringList{step.checked});
        EXPECT_EQ(s.Name(), step.name);
        EXPECT_EQ(s.OtherText(), step.otherText);
    }
}

// Adapters come and go between choosing a port and using it.
struct BindingCase {
    const char* what;
    std::vector<SerialDevice> atChoice;
    int chosen;                      // 0: the COM1 of a fresh start, never chosen
    std::vector<SerialDevice> atTransfer;
    const char* opened;              // device the transfer opens, "" none
    const char* chosenText;
};

class PortBinding : public testing::TestWithParam<BindingCase> {};

TEST_P(PortBinding, TheChosenItemKeepsItsDevice)
{
    const BindingCase& c = GetParam();
    FakeSystem system;
    system.devices = c.atChoice;
    system.selection.Refresh();
    if (c.chosen > 0)
        system.selection.ChooseNumbered(c.chosen);
    system.devices = c.atTransfer;
    system.selection.Refresh();
    const int item = c.chosen > 0 ? c.chosen : 1;
    const PortTarget target = system.selection.TargetForTransfer();
    EXPECT_FALSE(target.simulated);
    EXPECT_EQ(QString::fromStdString(target.device), c.opened);
    EXPECT_EQ(target.name, "COM" + std::to_string(item));
    EXPECT_EQ(system.selection.NumberedText(item), c.chosenText);
    // No device shows on two items.
    QStringList shown = itemTexts(system.selection);
    shown.removeAll(QStringLiteral("COM%1 (none)").arg(item));
    for (int n = 1; n <= PortSelection::kNumberedItems; ++n)
        shown.replaceInStrings(QStringLiteral("COM%1 ").arg(n), QString());
    shown.removeAll(QStringLiteral("(none)"));
    EXPECT_EQ(shown.size(), QSet<QString>(shown.begin(), shown.end()).size()) << shown.join(u',').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    PluggingAndUnplugging, PortBinding,
    testing::Values(
        BindingCase{"an adapter that sorts first is plugged in", {usb("ttyUSB0")}, 1,
                    {usb("ttyACM0"), usb("ttyUSB0")}, "/dev/ttyUSB0", "COM1 (ttyUSB0)"},
        BindingCase{"the chosen adapter is unplugged", {usb("ttyUSB0"), usb("ttyUSB1")}, 2, {usb("ttyUSB0")},
                    "/dev/ttyUSB1", "COM2 (ttyUSB1, missing)"},
        BindingCase{"an adapter before the chosen one is unplugged", {usb("ttyUSB0"), usb("ttyUSB1")}, 2,
                    {usb("ttyUSB1")}, "/dev/ttyUSB1", "COM2 (ttyUSB1)"},
        BindingCase{"the fresh COM1 takes what it shows at the transfer", {builtIn("ttyS0")}, 0,
                    {usb("ttyUSB0"), builtIn("ttyS0")}, "/dev/ttyUSB0", "COM1 (ttyUSB0)"},
        BindingCase{"an item chosen while it showed none stands for none", {usb("ttyUSB0")}, 3,
                    {usb("ttyUSB0")}, "", "COM3 (none)"},
        BindingCase{"an item chosen while it showed none takes a device plugged in later", {usb("ttyUSB0")}, 2,
                    {usb("ttyUSB0"), usb("ttyUSB1")}, "/dev/ttyUSB1", "COM2 (ttyUSB1)"}),
    [](const testing::TestParamInfo<BindingCase>& info) { return "Case" + std::to_string(info.index); });

TEST(PortSelection, TheFreshComOneIsBoundByItsFirstTransfer)
{
    FakeSystem system;
    system.devices = {usb("ttyUSB1")};
    EXPECT_EQ(system.selection.TargetForTransfer().device, "/dev/ttyUSB1");
    system.devices = {usb("ttyUSB0"), usb("ttyUSB1")};
    system.selection.Refresh();
    EXPECT_EQ(system.selection.TargetForTransfer().device, "/dev/ttyUSB1");
    EXPECT_EQ(system.selection.NumberedText(2), "COM2 (ttyUSB0)");
}

TEST(PortSelection, OtherAndSimulatedTargets)
{
    FakeSystem system;
    system.selection.ChooseOther(QStringLiteral("/dev/pts/7"));
    PortTarget target = system.selection.TargetForTransfer();
    EXPECT_FALSE(target.simulated);
    EXPECT_EQ(target.device, "/dev/pts/7");
    system.selection.ChooseSimulated();
    target = system.selection.TargetForTransfer();
    EXPECT_TRUE(target.simulated);
    EXPECT_EQ(target.name, "Simulated radio");
}

TEST(PortSelection, WhereThereAreComPortsTheItemsAreThePortsThemselves)
{
    std::vector<SerialDevice> devices = {{"COM3", "\\\\.\\COM3", "Prolific USB-to-Serial", "Prolific", true}};
    PortSelection selection([&devices] { return devices; }, PortSelection::Naming::ComPorts);
    for (int n = 1; n <= PortSelection::kNumberedItems; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(selection.NumberedText(n), QStringLiteral("COM%1").arg(n));
        selection.ChooseNumbered(n);
        EXPECT_EQ(selection.TargetForTransfer().device, "COM" + std::to_string(n));
    }
    EXPECT_EQ(selection.NumberedPrompt(3), "COM3: \\\\.\\COM3, Prolific USB-to-Serial, Prolific");
    EXPECT_EQ(selection.NumberedPrompt(4), "COM4");
}

// ---- why a port did not open

QString ownGroup()
{
    const struct group* g = ::getgrgid(::getegid());
    return g ? QString::fromLocal8Bit(g->gr_name) : QString::number(::getegid());
}

TEST(OpenFailureDetail, SaysWhyAndWhatToDo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString groupShared = dir.filePath(QStringLiteral("ttyGroup"));
    const QString ownerOnly = dir.filePath(QStringLiteral("ttyOwner"));
    for (const QString& path : {groupShared, ownerOnly}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::setPermissions(groupShared, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                       QFile::WriteGroup));
    ASSERT_TRUE(QFile::setPermissions(ownerOnly, QFile::ReadOwner | QFile::WriteOwner));

    const struct {
        const char* what;
        QString device;
        OpenFailure failure;
        QString expected;
    } cases[] = {
        {"missing", "/dev/ttyUSB9", OpenFailure::MissingDevice, "The device is missing"},
        {"group may use it", groupShared, OpenFailure::PermissionDenied,
         "belongs to the group \"" + ownGroup() + "\", and your user must be in that group"},
        {"only its owner may use it", ownerOnly, OpenFailure::PermissionDenied,
         "Permission denied: ask for the right to use this device."},
        {"busy", "/dev/ttyUSB0", OpenFailure::Busy, "another program holds it"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string device = c.device.toStdString();
        const QString detail = QString::fromStdString(OpenFailureDetail(
            StatusPortName("COM1", device), OpenStatus::Failed(c.failure, "boom", DeviceAccessGroup(c.device))));
        EXPECT_TRUE(detail.startsWith("COM1 (" + c.device + "): boom. ")) << detail.toStdString();
        EXPECT_TRUE(detail.contains(c.expected)) << detail.toStdString();
    }
    EXPECT_EQ(OpenFailureDetail("/dev/pts/3", OpenStatus::Failed(OpenFailure::MissingDevice, "")),
              "/dev/pts/3: The device is missing: plug in the programming cable and check the port's name.");
}

} // namespace
