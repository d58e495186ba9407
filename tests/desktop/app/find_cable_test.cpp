#include "frame_fixture.h"

#include "app/find_cable_dialog.h"
#include "port/fake_port_system.h"

#include "editor/progress_dialog.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace {

QStringList rows(const QListWidget& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

class FindCable : public testing::Test {
protected:
    void SetUp() override
    {
        tree.write("dev/ttyS0", {});
        system.library = {{QStringLiteral("ttyS0"), tree.Dev("ttyS0"), {}, {}, false}};
    }

    void Show(CFindCableDialog& dialog)
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    FakeTree tree;
    FakePortSystem system{tree};
};

// Without a cable only the computer's own port is listed: nothing is
// selected, nothing can be chosen, and the dialog says why.
TEST_F(FindCable, WithoutAUsbCableTheComputersOwnPortIsNotOffered)
{
    CFindCableDialog dialog(system, nullptr);
    QSignalSpy chosen(&dialog, &CFindCableDialog::PortChosen);
    Show(dialog);
    ASSERT_EQ(dialog.m_listDevices->count(), 1);
    EXPECT_TRUE(dialog.m_listDevices->selectedItems().isEmpty());
    EXPECT_FALSE(dialog.m_buttonUse->isEnabled());
    EXPECT_EQ(dialog.m_editDiagnosis->toPlainText(),
              "No USB cable was found. " + tree.Dev("ttyS0") +
                  " is the computer's own serial port, not a programming cable. Plug the cable in: it appears at "
                  "the top of this list.");
    if (const QString dir = qEnvironmentVariable("HMPROG_SCREENSHOT_DIR"); !dir.isEmpty()) {
        EXPECT_TRUE(dialog.grab().save(dir + "/find_cable_no_usb.png"));
    }
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_TRUE(chosen.isEmpty());
}

// Plugging the cable in while the list is shown: it appears, USB adapters
// first, and is selected with what keeps it from working; the keys move
// between devices and Use This Port chooses the selected one.
TEST_F(FindCable, ACablePluggedInAppearsSelectedAndIsChosen)
{
    CFindCableDialog dialog(system, nullptr);
    QSignalSpy chosen(&dialog, &CFindCableDialog::PortChosen);
    Show(dialog);
    EXPECT_FALSE(dialog.isModal());
    ASSERT_EQ(rows(*dialog.m_listDevices), QStringList{tree.Dev("ttyS0") + "\n    can be opened"});

    const QString cable = tree.Dev("ttyUSB0");
    system.nodes[cable] = {true, false, QStringLiteral("dialout"), true};
    tree.AddUsb(QStringLiteral("1-2"), "1a86", "7523", "ch341", QStringLiteral("ttyUSB0"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.m_listDevices->count() == 2; }, 5000));
    EXPECT_EQ(rows(*dialog.m_listDevices),
              QStringList({cable + ": USB-Serial Controller, Maker Inc., USB 1a86:7523, WCH CH340, serial A10K1234\n"
                                   "    cannot be opened",
                           tree.Dev("ttyS0") + "\n    can be opened"}));
    EXPECT_EQ(dialog.m_listDevices->currentRow(), 0);
    EXPECT_TRUE(dialog.m_editDiagnosis->toPlainText().contains("sudo usermod -aG dialout $USER"));
    // HMPROG_SCREENSHOT_DIR keeps a picture of the list as it is now.
    if (const QString dir = qEnvironmentVariable("HMPROG_SCREENSHOT_DIR"); !dir.isEmpty()) {
        EXPECT_TRUE(dialog.grab().save(dir + "/find_cable.png"));
    }

    QTest::keyClick(dialog.m_listDevices, Qt::Key_Down);
    EXPECT_EQ(dialog.m_editDiagnosis->toPlainText(), "This device can be opened.");
    QTest::keyClick(dialog.m_listDevices, Qt::Key_Up);
    EXPECT_TRUE(dialog.m_editDiagnosis->toPlainText().contains("dialout"));
    ASSERT_TRUE(dialog.m_buttonUse->isEnabled());
    QTest::mouseClick(dialog.m_buttonUse, Qt::LeftButton);
    EXPECT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.value(0).value(0).toString(), cable);
    EXPECT_FALSE(dialog.isVisible());
}

// A device that goes takes its row with it; a cable's adapter without a
// device file is listed but cannot be chosen.
TEST_F(FindCable, DevicesThatGoLeaveTheListAndAnAdapterWithoutAFileCannotBeChosen)
{
    tree.write("dev/ttyACM0", {});
    CFindCableDialog dialog(system, nullptr);
    Show(dialog);
    ASSERT_EQ(dialog.m_listDevices->count(), 2);
    dialog.m_listDevices->setCurrentRow(1);

    tree.AddUsb(QStringLiteral("3-1"), "067b", "2303", "");
    ASSERT_TRUE(QFile::remove(tree.Dev("ttyACM0")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.m_listDevices->count() == 2 &&
                                             dialog.m_listDevices->item(0)->text().contains("3-1"); },
                                5000));
    EXPECT_EQ(dialog.m_listDevices->currentItem()->text(), tree.Dev("ttyS0") + "\n    can be opened");

    QTest::keyClick(dialog.m_listDevices, Qt::Key_Home);
    EXPECT_TRUE(dialog.m_listDevices->currentItem()->text().startsWith(
        "USB adapter on port 3-1, without a device file"));
    EXPECT_FALSE(dialog.m_buttonUse->isEnabled());
    EXPECT_TRUE(dialog.m_editDiagnosis->toPlainText().contains("sudo modprobe pl2303"));
}

class FrameFindCable : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        tree.AddUsb(QStringLiteral("1-3"), "1a86", "7523", "ch341", QStringLiteral("ttyUSB3"));
        auto owned = std::make_unique<FakePortSystem>(tree);
        system = owned.get();
        m_frame->SetPortSystem(std::move(owned));
    }

    FakeTree tree;
    FakePortSystem* system = nullptr;
};

// The Port menu's Find Cable opens the list without a modal loop; Enter on
// a device makes it the port, as Other port would with its path.
TEST_F(FrameFindCable, ChoosingADeviceMakesItThePort)
{
    QAction* item = m_frame->CommandAction(ID_PORT_FIND_CABLE);
    ASSERT_TRUE(m_frame->Menu(MenuId::Port)->actions().contains(item));
    item->trigger();
    auto* dialog = m_frame->findChild<CFindCableDialog*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    QApplication::setActiveWindow(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    ASSERT_EQ(dialog->m_listDevices->count(), 1);

    QTest::keyClick(dialog->m_listDevices, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(m_frame->CommandAction(ID_PORT_OTHER)->isChecked());
    EXPECT_EQ(m_frame->CommandAction(ID_PORT_OTHER)->text(), "Other port… (" + tree.Dev("ttyUSB3") + ")");
    EXPECT_EQ(View().PortName(), tree.Dev("ttyUSB3"));
}

// Under "Could not open the port": the system's reason, then what keeps the
// device from working and the cable plugged in without a device file.
TEST_F(FrameFindCable, APortThatWillNotOpenIsDiagnosedInTheMessage)
{
    const QString refused = tree.Dev("ttyUSB9");
    system->nodes[refused] = {true, false, QStringLiteral("dialout"), true};
    tree.AddUsb(QStringLiteral("1-7"), "10c4", "ea60", "");
    View().SetTransferPorts(nullptr);
    View().OnPortOther(refused);

    QString text;
    QString detail;
    m_frame->CommandAction(ID_PROGRAM_READ)->trigger();
    QTest::mouseClick(View().ProgressDialog()->m_buttonOk, Qt::LeftButton);
    OnceModal([&](QDialog& box) {
        auto* message = qobject_cast<QMessageBox*>(&box);
        ASSERT_NE(message, nullptr);
        text = message->text();
        detail = message->informativeText();
        PressKey(box, Qt::Key_Return);
    });
    ASSERT_TRUE(QTest::qWaitFor([this] { return !View().ProgressDialog()->isVisible(); }, 20000));

    EXPECT_EQ(text, "Could not open the port");
    EXPECT_TRUE(detail.startsWith(refused + ": ")) << detail.toStdString();
    EXPECT_TRUE(detail.contains("\n\nOnly members of the group \"dialout\"")) << detail.toStdString();
    EXPECT_TRUE(detail.contains("sudo usermod -aG dialout $USER"));
    EXPECT_TRUE(detail.contains("USB adapter on port 1-7, without a device file"));
    EXPECT_TRUE(detail.contains("sudo modprobe cp210x"));
}

} // namespace
