#pragma once

// Every window of the program, shown over a main window, for the tests that
// look at all of them alike (names, keyboard, translation). A dialog added to
// the program is added to kProgramWindows.

#include "modal_helpers.h"

#include "app/about_dialog.h"
#include "app/cable_check_dialog.h"
#include "app/exit_prompt_dialog.h"
#include "app/find_cable_dialog.h"
#include "app/fleet_dialog.h"
#include "app/first_write_prompt.h"
#include "app/image_changes_dialog.h"
#include "app/keyboard_help_dialog.h"
#include "app/kill_code_dialog.h"
#include "app/main_frame.h"
#include "app/message_box.h"
#include "app/other_port_dialog.h"
#include "app/password_dialog.h"
#include "app/paste_report_dialog.h"
#include "app/print_commands.h"
#include "app/restore_offer.h"
#include "app/retry_prompt.h"
#include "app/save_changes_prompt.h"
#include "app/version_prompt_dialog.h"
#include "document/core_text.h"

#include "editor/channel_import_dialog.h"
#include "editor/desktop_transfer_host.h"
#include "editor/program_view.h"
#include "editor/progress_dialog.h"
#include "form/image_changes.h"
#include "link/cable_check.h"

#include "port/fake_port_system.h"

#include <QPrinter>

#include <functional>
#include <vector>

namespace program_windows {

// Shows a window of the program over the main window, hands it to look, and
// closes it again.
using Look = std::function<void(QWidget& window)>;
using OpenWindow = std::function<void(CMainFrame& frame, const Look& look)>;

struct WindowCase {
    const char* name;
    OpenWindow open;
};

inline void ShowAndLook(QWidget& window, const Look& look)
{
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    look(window);
}

// For a dialog that only a blocking call shows: looks at it while it waits.
inline void LookAtNextModal(const Look& look)
{
    OnceModal([look](QDialog& dialog) {
        look(dialog);
        dialog.reject();
    });
}

inline std::vector<ImageChange> SomeChanges()
{
    RadioImage before;
    before.ResetToDefaults();
    RadioImage after = before;
    after.setByte(0x10, 0x25);
    return CompareImages(before, after);
}

// Every dialog of the program; one added later goes here.
inline const WindowCase kProgramWindows[] = {
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
    {"PrintPreview",
     [](CMainFrame& frame, const Look& look) {
         QPrinter printer(QPrinter::HighResolution);
         printer.setOutputFormat(QPrinter::PdfFormat);
         LookAtNextModal(look);
         RunPrintPreview(&frame, printer, *frame.GetActiveView());
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
    {"SaveQuestion",
     [](CMainFrame& frame, const Look& look) {
         LookAtNextModal(look);
         (void)AskSaveChanges(&frame, QStringLiteral("Untitled"));
     }},
    {"FirstWrite",
     [](CMainFrame& frame, const Look& look) {
         LookAtNextModal(look);
         (void)AskFirstWrite(&frame);
     }},
    {"KeyboardHelp",
     [](CMainFrame& frame, const Look& look) {
         CKeyboardHelpDialog dialog(&frame);
         ShowAndLook(dialog, look);
     }},
    {"PasteReport",
     [](CMainFrame& frame, const Look& look) {
         CPasteReportDialog dialog(&frame);
         dialog.Show(QStringLiteral("3 channels pasted."),
                     {QStringLiteral("Channel 1 Rx Freq: 440 typed, 174.00000 stored."),
                      QStringLiteral("Not pasted, a value this radio cannot hold: channel 2.")});
         ShowAndLook(dialog, look);
     }},
    // A cable that changed one block, in the user's language.
    {"CableCheck",
     [](CMainFrame& frame, const Look& look) {
         CableCheckReport report;
         report.differingBlocks = {40};
         report.bytesPerSecond = 425;
         CCableCheckDialog dialog(&frame);
         dialog.Show(QString::fromStdString(CableCheckText(report, CoreTextUtf8)));
         ShowAndLook(dialog, look);
     }},
    // A cable that this user may not open, so that the diagnosis has its
    // longest texts to show.
    {"FindCable",
     [](CMainFrame& frame, const Look& look) {
         FakeTree tree;
         tree.AddUsb(QStringLiteral("1-2"), "1a86", "7523", "ch341", QStringLiteral("ttyUSB0"));
         FakePortSystem system(tree);
         system.nodes[tree.Dev(QStringLiteral("ttyUSB0"))] = {true, false, QStringLiteral("dialout"), true};
         CFindCableDialog dialog(system, &frame);
         ShowAndLook(dialog, look);
     }},
    {"ProgramSeveralRadios",
     [](CMainFrame& frame, const Look& look) {
         const QStringList ports = {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyUSB1")};
         CFleetDialog dialog({}, QStringLiteral("/home/dealer/school-fleet.csv"), ports, ports, &frame);
         ShowAndLook(dialog, look);
     }},
};

} // namespace program_windows

using program_windows::kProgramWindows;
using program_windows::WindowCase;
