// Every window of the program, walked as a screen reader and a keyboard user
// find it: each control a user can act on has a name, and Tab reaches it.

#include "accessible_tree.h"
#include "frame_fixture.h"

#include "app/about_dialog.h"
#include "app/exit_prompt_dialog.h"
#include "app/image_changes_dialog.h"
#include "app/kill_code_dialog.h"
#include "app/message_box.h"
#include "app/other_port_dialog.h"
#include "app/password_dialog.h"
#include "app/restore_offer.h"
#include "app/retry_prompt.h"
#include "app/version_prompt_dialog.h"

#include "editor/channel_import_dialog.h"
#include "editor/progress_dialog.h"
#include "form/image_changes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace {

// Shows a window of the program over the main window, hands it to look, and
// closes it again.
using Look = std::function<void(QWidget& window)>;
using OpenWindow = std::function<void(CMainFrame& frame, const Look& look)>;

struct WindowCase {
    const char* name;
    OpenWindow open;
};

void ShowAndLook(QWidget& window, const Look& look)
{
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    look(window);
}

// For a dialog that only a blocking call shows: looks at it while it waits.
void LookAtNextModal(const Look& look)
{
    OnceModal([look](QDialog& dialog) {
        look(dialog);
        dialog.reject();
    });
}

std::vector<ImageChange> SomeChanges()
{
    RadioImage before;
    before.ResetToDefaults();
    RadioImage after = before;
    after.setByte(0x10, 0x25);
    return CompareImages(before, after);
}

// Every dialog of the program; one added later goes here.
const WindowCase kWindows[] = {
    {"MainWindow", [](CMainFrame& frame, const Look& look) { look(frame); }},
    {"About",
     [](CMainFrame& frame, const Look& look) {
         CAboutDialog dialog(&frame);
         ShowAndLook(dialog, look);
     }},
    {"Password",
     [](CMainFrame& frame, const Look& look) {
         CPasswordDialog dialog(&frame);
         ShowAndLook(dialog, look);
     }},
    {"KillCode",
     [](CMainFrame& frame, const Look& look) {
         RadioImage image;
         image.ResetToDefaults();
         CKillCodeDialog dialog(image, &frame);
         ShowAndLook(dialog, look);
     }},
    {"ExitPrompt",
     [](CMainFrame& frame, const Look& look) {
         CExitPromptDialog dialog(&frame);
         ShowAndLook(dialog, look);
     }},
    {"VersionPrompt",
     [](CMainFrame& frame, const Look& look) {
         CVersionPromptDialog dialog(&frame);
         ShowAndLook(dialog, look);
     }},
    {"OtherPort",
     [](CMainFrame& frame, const Look& look) {
         COtherPortDialog dialog(&frame);
         ShowAndLook(dialog, look);
     }},
    {"WritePreview",
     [](CMainFrame& frame, const Look& look) {
         CImageChangesDialog dialog(SomeChanges(), CImageChangesDialog::Purpose::WritePreview, &frame);
         ShowAndLook(dialog, look);
     }},
    {"Comparison",
     [](CMainFrame& frame, const Look& look) {
         CImageChangesDialog dialog(SomeChanges(), CImageChangesDialog::Purpose::Comparison, &frame,
                                    QStringLiteral("old.sin"));
         ShowAndLook(dialog, look);
     }},
    {"ImportChannels",
     [](CMainFrame& frame, const Look& look) {
         CProgramView& view = *frame.GetActiveView();
         CChannelImportDialog dialog(view.Controls(), view.GetDocument()->m_image,
                                     [](QWidget*) { return QString(); }, &frame);
         dialog.OpenStockPlan(0);
         ShowAndLook(dialog, look);
     }},
    {"Progress",
     [](CMainFrame& frame, const Look& look) {
         CProgressDialog dialog(frame.GetActiveView());
         dialog.m_strTitle = QStringLiteral("Read Data");
         dialog.Create();
         ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
         QApplication::setActiveWindow(&dialog);
         look(dialog);
         dialog.DestroyWindow();
     }},
    {"MessageBox",
     [](CMainFrame& frame, const Look& look) {
         LookAtNextModal(look);
         ShowMessageBox(&frame, QStringLiteral("Could not open the port"), QStringLiteral("COM1: missing"));
     }},
    {"RetryPrompt",
     [](CMainFrame& frame, const Look& look) {
         LookAtNextModal(look);
         (void)RunRetryPrompt(&frame, QStringLiteral("Communication error, please try again."));
     }},
    {"RestoreOffer",
     [](CMainFrame& frame, const Look& look) {
         LookAtNextModal(look);
         (void)OfferRestore(&frame, QStringLiteral("Communication error"), QStringLiteral("press Restore"));
     }},
};

class WindowTest : public FrameTest, public testing::WithParamInterface<WindowCase> {};

TEST_P(WindowTest, EveryControlHasAName)
{
    bool looked = false;
    GetParam().open(*m_frame, [&looked](QWidget& window) {
        looked = true;
        const QStringList unnamed = UnnamedControls(window);
        EXPECT_TRUE(unnamed.isEmpty()) << "without an accessible name:\n  "
                                       << unnamed.join(QStringLiteral("\n  ")).toStdString();
    });
    EXPECT_TRUE(looked);
}

TEST_P(WindowTest, TabReachesEveryControl)
{
    bool looked = false;
    GetParam().open(*m_frame, [&looked](QWidget& window) {
        looked = true;
        const QStringList missed = NotReachedByTab(window);
        EXPECT_TRUE(missed.isEmpty()) << "never reached by Tab:\n  "
                                      << missed.join(QStringLiteral("\n  ")).toStdString();
    });
    EXPECT_TRUE(looked);
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowTest, testing::ValuesIn(kWindows),
                         [](const testing::TestParamInfo<WindowCase>& info) { return info.param.name; });

} // namespace

namespace {

// The walk itself: a nameless control must show, a named one must not.
struct ControlCase {
    const char* name;
    std::function<void(QWidget& window)> add;
    bool named;
};

const ControlCase kControls[] = {
    {"ButtonWithText", [](QWidget& w) { new QPushButton(QStringLiteral("Add"), &w); }, true},
    {"ButtonWithoutText", [](QWidget& w) { new QPushButton(&w); }, false},
    {"ComboWithoutLabel", [](QWidget& w) { new QComboBox(&w); }, false},
    {"ComboNamed",
     [](QWidget& w) { (new QComboBox(&w))->setAccessibleName(QStringLiteral("Model")); }, true},
    {"EditWithBuddyLabel",
     [](QWidget& w) { (new QLabel(QStringLiteral("&Path:"), &w))->setBuddy(new QLineEdit(&w)); }, true},
    {"EditAlone", [](QWidget& w) { new QLineEdit(&w); }, false},
    {"CheckBoxWithText", [](QWidget& w) { new QCheckBox(QStringLiteral("Renumber"), &w); }, true},
};

class ControlNameTest : public testing::TestWithParam<ControlCase> {};

TEST_P(ControlNameTest, UnnamedControlsAreFound)
{
    QWidget window;
    window.setAccessibleName(QStringLiteral("Window"));
    auto* layout = new QVBoxLayout(&window);
    GetParam().add(window);
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        layout->addWidget(child);
    window.show();
    EXPECT_EQ(UnnamedControls(window).isEmpty(), GetParam().named) << UnnamedControls(window).join(u',').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlNameTest, testing::ValuesIn(kControls),
                         [](const testing::TestParamInfo<ControlCase>& info) { return info.param.name; });

} // namespace
