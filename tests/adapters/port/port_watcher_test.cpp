#include "port/fake_port_system.h"

#include "port/port_watcher.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList paths(const QSignalSpy& spy)
{
    QStringList list;
    for (const QList<QVariant>& call : spy)
        list << call[0].value<SerialDevice>().path;
    return list;
}

// Devices that come and go in a dev folder are told once each, after the
// settling time, without asking the watcher.
TEST(PortWatcher, TellsADeviceAppearingAndGoing)
{
    FakeTree tree;
    tree.write("dev/ttyS0", {});
    tree.write("dev/ttyUSB0", {});
    FakePortSystem system(tree);
    PortWatcher watcher(system);
    ASSERT_EQ(watcher.Devices().size(), 1U);
    QSignalSpy appeared(&watcher, &PortWatcher::Appeared);
    QSignalSpy gone(&watcher, &PortWatcher::Gone);

    tree.write("dev/ttyACM1", {});
    tree.write("dev/null", {});   // not a serial device
    ASSERT_TRUE(appeared.wait(5000));
    EXPECT_EQ(paths(appeared), QStringList{tree.Dev("ttyACM1")});
    EXPECT_TRUE(gone.isEmpty());
    EXPECT_EQ(watcher.Devices().size(), 2U);

    ASSERT_TRUE(QFile::remove(tree.Dev("ttyUSB0")));
    ASSERT_TRUE(gone.wait(5000));
    EXPECT_EQ(paths(gone), QStringList{tree.Dev("ttyUSB0")});
    EXPECT_EQ(appeared.size(), 1);
}

// The files one adapter makes in a burst are read as one change.
TEST(PortWatcher, ABurstOfFilesIsReadOnce)
{
    FakeTree tree;
    FakePortSystem system(tree);
    PortWatcher watcher(system);
    QSignalSpy rescanned(&watcher, &PortWatcher::Rescanned);
    QSignalSpy appeared(&watcher, &PortWatcher::Appeared);
    tree.write("dev/ttyUSB0", {});
    tree.write("dev/ttyUSB1", {});
    QDir().mkpath(tree.path("dev/serial/by-id"));
    ASSERT_TRUE(rescanned.wait(5000));
    QTest::qWait(PortWatcher::kSettleMilliseconds * 2);
    EXPECT_EQ(rescanned.size(), 1);
    EXPECT_EQ(appeared.size(), 2);
}

// An adapter that no driver takes makes no serial device file, only its
// file under bus/usb: the list is read again all the same.
TEST(PortWatcher, AUsbDeviceWithoutASerialFileStillRereads)
{
    FakeTree tree;
    QDir().mkpath(tree.path("dev/bus/usb/001"));
    FakePortSystem system(tree);
    PortWatcher watcher(system);
    QSignalSpy rescanned(&watcher, &PortWatcher::Rescanned);
    tree.write("dev/bus/usb/001/007", {});
    ASSERT_TRUE(rescanned.wait(5000));
    EXPECT_TRUE(watcher.Devices().empty());
}

} // namespace
