#include "frame_fixture.h"
#include "mnemonic_clashes.h"

#include "app/accelerator_filter.h"
#include "app/keyboard_help_dialog.h"
#include "app/lock_key_indicators.h"

#include "grid/ms_flex_grid.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>

#include <gmock/gmock.h>

#include <algorithm>
#include <iterator>

namespace {

constexpr QKeyCombination kNone(Qt::NoModifier, Qt::Key(0));

struct ExpectedCommand {
    int id;
    const char* text;
    QKeyCombination accelerator;
    const char* statusTip;
    const char* toolTip;
    bool inGridOnly = false;
};

struct ExpectedMenu {
    const char* title;
    std::vector<ExpectedCommand> items;   // id 0: a separator
};

const ExpectedCommand kSeparator{0, "", kNone, "", ""};

const ExpectedMenu kExpectedMenus[] = {
    {"&File",
     {{ID_FILE_NEW, "&New\tCtrl+N", Qt::CTRL | Qt::Key_N, "Create a new document", "New"},
      {ID_FILE_OPEN, "&Open...\tCtrl+O", Qt::CTRL | Qt::Key_O, "Open an existing document", "Open"},
      {ID_FILE_OPEN_BACKUP, "Open &Backup…", kNone,
       "Open one of the copies kept of every read from a radio, newest first", "Open Backup"},
      {ID_FILE_COMPARE, "Co&mpare With…", kNone, "List what differs between the form and a channel file or a backup",
       "Compare With"},
      {ID_FILE_SAVE, "&Save\tCtrl+S", Qt::CTRL | Qt::Key_S, "Save the active document", "Save"},
      {ID_FILE_SAVE_AS, "Save &As...", kNone, "Save the active document with a new name", "Save As"},
      kSeparator,
      {ID_FILE_IMPORT_CHANNELS, "&Import Channels…", kNone,
       "Put the channels of a CSV channel list or a stock plan into the form", "Import Channels"},
      {ID_FILE_EXPORT_CHANNELS, "&Export Channels…", kNone, "Save the channels the form shows as a CSV channel list",
       "Export Channels"},
      kSeparator,
      {ID_FILE_PRINT, "&Print...\tCtrl+P", Qt::CTRL | Qt::Key_P, "Print the active document", "Print"},
      {ID_FILE_PRINT_PREVIEW, "Print Pre&view", kNone, "Display full pages", "Print Preview"},
      {ID_FILE_PRINT_SETUP, "P&rint Setup...", kNone, "Change the printer and printing options", "Print Setup"},
      kSeparator,
      {ID_APP_EXIT, "E&xit", kNone, "Quit the application; prompts to save documents", "Exit"}}},
    {"&Edit",
     {{ID_EDIT_UNDO, "Undo\tCtrl+Z", Qt::CTRL | Qt::Key_Z, "Take back the last change of the form", "Undo"},
      {ID_EDIT_REDO, "Redo\tCtrl+Y", Qt::CTRL | Qt::Key_Y, "Make the change taken back again", "Redo"},
      kSeparator,
      {ID_EDIT_CUT, "Cu&t\tCtrl+X", Qt::CTRL | Qt::Key_X,
       "Remove the selected channels, moving the ones below up, and put them on the clipboard", "Cut", true},
      {ID_EDIT_COPY, "&Copy\tCtrl+C", Qt::CTRL | Qt::Key_C,
       "Put the selected channels on the clipboard as rows of a table", "Copy", true},
      {ID_EDIT_PASTE, "&Paste\tCtrl+V", Qt::CTRL | Qt::Key_V,
       "Put the rows on the clipboard into the channels from the selected one on", "Paste", true},
      kSeparator,
      {ID_EDIT_CLEAR, "C&lear Channel\tDel", QKeyCombination(Qt::Key_Delete),
       "Empty the selected channels, leaving the others where they are", "Clear Channel", true},
      kSeparator,
      {ID_EDIT_MOVE_UP, "Move &Up\tAlt+Up", Qt::ALT | Qt::Key_Up, "Move the selected channels up one place", "Move Up",
       true},
      {ID_EDIT_MOVE_DOWN, "Move &Down\tAlt+Down", Qt::ALT | Qt::Key_Down, "Move the selected channels down one place",
       "Move Down", true}}},
    {"&Program",
     {{ID_PROGRAM_READ, "Read\tCtrl+R", Qt::CTRL | Qt::Key_R, "Read data from Machine", "Read"},
      {ID_PROGRAM_WRITE, "Write\tCtrl+W", Qt::CTRL | Qt::Key_W, "Write data to machine", "Write"},
      {ID_PROGRAM_FLEET, "Program Several Radios…", kNone,
       "Write the form into the radios on several ports at once, each checked and logged", "Program Several Radios"},
      kSeparator,
      {ID_PROGRAM_KILL_CODE, "Kill Code", kNone, "", ""},
      {ID_PROGRAM_TRACE, "Trace to File…", kNone,
       "Record every byte of the next transfers into a file, to send along when a radio will not talk",
       "Trace to File"},
      kSeparator,
      {ID_PROGRAM_BACKUP_BEFORE_WRITE, "Back Up Before Write", kNone,
       "Read the radio and keep a backup before every write; a write then costs one read more, about 2.5 s",
       "Back Up Before Write"},
      {ID_PROGRAM_PREVIEW_BEFORE_WRITE, "Preview Before Write", kNone,
       "Before a write, list what it will change in the radio since its last read, and ask", "Preview Before Write"},
      {ID_PROGRAM_VERIFY_AFTER_WRITE, "Verify After Write", kNone,
       "Read the radio back after a write and check that it holds what was written", "Verify After Write"}}},
    {"P&ort",
     {{ID_PORT_COM1, "COM1\tCtrl+C", Qt::CTRL | Qt::Key_C, "COM1", ""},
      {ID_PORT_COM2, "COM2\tCtrl+D", Qt::CTRL | Qt::Key_D, "COM2", ""},
      {ID_PORT_COM3, "COM3\tCtrl+E", Qt::CTRL | Qt::Key_E, "COM3", ""},
      {ID_PORT_COM4, "COM4\tCtrl+F", Qt::CTRL | Qt::Key_F, "COM4", ""},
      {ID_PORT_COM5, "COM5", kNone, "COM5", ""},
      {ID_PORT_COM6, "COM6", kNone, "COM6", ""},
      {ID_PORT_COM7, "COM7", kNone, "COM7", ""},
      {ID_PORT_COM8, "COM8", kNone, "COM8", ""},
      kSeparator,
      {ID_PORT_FIND_CABLE, "Find Cable…", kNone,
       "List the serial devices as they come and go, with what keeps each from working", "Find Cable"},
      {ID_PORT_CHECK_CABLE, "Check Cable…", kNone,
       "Read the radio twice and compare the reads, to find a cable that changes bytes before a write trusts it",
       "Check Cable"},
      {ID_PORT_OTHER, "Other port…", kNone, "Use a serial device by its path", "Other Port"},
      {ID_PORT_SIMULATED, "Simulated radio", kNone, "Read and write the built-in simulated radio, with no cable",
       "Simulated Radio"}}},
    {"&View",
     {{ID_VIEW_TOOLBAR, "&Toolbar", kNone, "Show or hide the toolbar", "Toggle ToolBar"},
      {ID_VIEW_STATUS_BAR, "&Status Bar", kNone, "Show or hide the status bar", "Toggle StatusBar"}}},
    {"&Help",
     {{ID_HELP_KEYBOARD, "&Keyboard and Mouse", kNone,
       "The keys and clicks of the channel grid and the columns of a CSV channel list", "Keyboard and Mouse"},
      {ID_APP_ABOUT, "About ...", kNone, "Display program information, version number and copyright", "About"}}},
};

bool IsNumberedPort(int id)
{
    const int numbered[] = {ID_PORT_COM1, ID_PORT_COM2, ID_PORT_COM3, ID_PORT_COM4,
                            ID_PORT_COM5, ID_PORT_COM6, ID_PORT_COM7, ID_PORT_COM8};
    return std::find(std::begin(numbered), std::end(numbered), id) != std::end(numbered);
}

using CommandTable = FrameTest;

// The editor shows no message box; how it changed a typed frequency is said
// in the status bar.
TEST_F(CommandTable, ClampedFrequencyIsToldInTheStatusBar)
{
    CMSFlexGrid* grid = View().Grid();
    QSignalSpy said(&View(), &CProgramView::StatusMessage);
    grid->setFocus();
    grid->SetRow(3);
    grid->SetCol(1);
    QTest::keyClick(grid, '2');
    QTest::keyClicks(QApplication::focusWidget(), "00");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(grid->GetTextMatrix(3, 1), "174.00000");
    EXPECT_EQ(said.count(), 1);
    EXPECT_EQ(m_frame->statusBar()->currentMessage(), "200 MHz is above 136-174 MHz: 174.00000");
}

TEST_F(CommandTable, MenusHoldEveryItemInOrderWithItsPromptAndAccelerator)
{
    const QList<QAction*> bar = m_frame->menuBar()->actions();
    ASSERT_EQ(bar.size(), static_cast<qsizetype>(std::size(kExpectedMenus)));
    for (std::size_t m = 0; m < std::size(kExpectedMenus); ++m) {
        const ExpectedMenu& expected = kExpectedMenus[m];
        SCOPED_TRACE(expected.title);
        EXPECT_EQ(bar[static_cast<qsizetype>(m)]->text(), expected.title);
        QMenu* menu = bar[static_cast<qsizetype>(m)]->menu();
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(expected.items.size()));
        for (std::size_t i = 0; i < expected.items.size(); ++i) {
            const ExpectedCommand& command = expected.items[i];
            QAction* action = items[static_cast<qsizetype>(i)];
            SCOPED_TRACE(command.text);
            if (command.id == 0) {
                EXPECT_TRUE(action->isSeparator());
                continue;
            }
            EXPECT_EQ(action->data().toInt(), command.id);
            EXPECT_EQ(m_frame->CommandAction(command.id), action);
            if (IsNumberedPort(command.id)) {
                // Where there are no COM ports the item names its device too;
                // the accelerator shows at the right all the same.
                const QString expectedText = QString::fromUtf8(command.text);
                EXPECT_THAT(action->text().section(u'\t', 0, 0).toStdString(),
                            testing::MatchesRegex(expectedText.section(u'\t', 0, 0).toStdString() + "( \\(.+\\))?"));
                EXPECT_EQ(action->text().section(u'\t', 1), expectedText.section(u'\t', 1));
                EXPECT_TRUE(action->statusTip().startsWith(command.statusTip)) << action->statusTip().toStdString();
            } else {
                EXPECT_EQ(action->text(), command.text);
                EXPECT_EQ(action->statusTip(), command.statusTip);
            }
            if (*command.toolTip) {
                EXPECT_EQ(action->toolTip(), command.toolTip);
            }
            if (command.accelerator.key() != Qt::Key(0) && command.inGridOnly) {
                EXPECT_EQ(m_frame->Accelerators().LookupInWidget(command.accelerator), action);
                EXPECT_NE(m_frame->Accelerators().Lookup(command.accelerator), action);
            } else if (command.accelerator.key() != Qt::Key(0)) {
                EXPECT_EQ(m_frame->Accelerators().Lookup(command.accelerator), action);
            }
        }
    }
}

// Alt and a letter must reach one menu, and one item within it.
TEST_F(CommandTable, NoTwoMenusAndNoTwoItemsOfAMenuShareAMnemonic)
{
    const QStringList clashes = MnemonicClashes(*m_frame->menuBar());
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(u'\n').toStdString();
}

// Help Keyboard and Mouse names the keys and clicks that no menu item shows
// and the columns of a channel list.
TEST_F(CommandTable, KeyboardAndMouseHelpNamesTheGridKeysAndTheCsvColumns)
{
    QString page;
    OnceModal([&page](QDialog& dialog) {
        auto* help = qobject_cast<CKeyboardHelpDialog*>(&dialog);
        ASSERT_NE(help, nullptr);
        page = help->m_text->toPlainText();
        const QString pictures = qEnvironmentVariable("HMPROG_SCREENSHOT_DIR");
        if (!pictures.isEmpty())
            dialog.grab().save(pictures + QStringLiteral("/keyboard_help.png"));
        EXPECT_TRUE(help->m_buttonClose->isDefault());
        PressKey(dialog, Qt::Key_Escape);
    });
    m_frame->CommandAction(ID_HELP_KEYBOARD)->trigger();
    for (const char* shown : {"Shift+click a channel number", "Alt+Up, Alt+Down", "elsewhere Ctrl+C chooses the port COM1",
                              "Location, Name, Frequency", "Busy"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(shown))) << shown;
}

TEST_F(CommandTable, ToolbarHasItsSlotsWithImagesAndTooltips)
{
    const int expected[] = {ID_FILE_NEW,     ID_FILE_OPEN,     ID_FILE_SAVE, 0, ID_EDIT_UNDO,  ID_EDIT_REDO, 0,
                            ID_PROGRAM_READ, ID_PROGRAM_WRITE, 0,            ID_FILE_PRINT, ID_APP_ABOUT};
    const QList<QAction*> buttons = m_frame->m_wndToolBar->actions();
    ASSERT_EQ(buttons.size(), static_cast<qsizetype>(std::size(expected)));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        QAction* button = buttons[static_cast<qsizetype>(i)];
        if (expected[i] == 0) {
            EXPECT_TRUE(button->isSeparator());
            continue;
        }
        EXPECT_EQ(button->data().toInt(), expected[i]);
        EXPECT_FALSE(button->icon().pixmap(QSize(18, 18)).isNull());
        EXPECT_FALSE(button->toolTip().isEmpty());
    }
    EXPECT_EQ(m_frame->m_wndToolBar->iconSize(), QSize(18, 18));
}

TEST_F(CommandTable, StatusBarShowsReadyAndTheLockKeyPanes)
{
    EXPECT_EQ(m_frame->m_paneMessage->text(), "Ready");
    EXPECT_TRUE(m_frame->m_paneMessage->isVisible());
    for (QLabel* pane : {m_frame->m_lockKeys->m_paneCaps, m_frame->m_lockKeys->m_paneNum,
                         m_frame->m_lockKeys->m_paneScroll})
        EXPECT_TRUE(pane->isVisible()) << pane->accessibleName().toStdString();
}

TEST_F(CommandTable, ViewMenuTogglesTheBars)
{
    QAction* toolbar = m_frame->CommandAction(ID_VIEW_TOOLBAR);
    QAction* statusBar = m_frame->CommandAction(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(toolbar->isChecked());
    EXPECT_TRUE(statusBar->isChecked());
    toolbar->trigger();
    statusBar->trigger();
    EXPECT_FALSE(m_frame->m_wndToolBar->isVisible());
    EXPECT_FALSE(m_frame->statusBar()->isVisible());
    toolbar->trigger();
    statusBar->trigger();
    EXPECT_TRUE(m_frame->m_wndToolBar->isVisible());
    EXPECT_TRUE(m_frame->statusBar()->isVisible());
}

std::vector<int> CheckedPorts(CMainFrame& frame)
{
    std::vector<int> checked;
    for (QAction* item : frame.Menu(MenuId::Port)->actions()) {
        if (item->isChecked())
            checked.push_back(item->data().toInt());
    }
    return checked;
}

using PortMenu = FrameTest;

TEST_F(PortMenu, StartsOnCom1AndMovesTheSingleCheckMark)
{
    EXPECT_EQ(View().PortName(), "COM1");
    EXPECT_EQ(CheckedPorts(*m_frame), std::vector<int>{ID_PORT_COM1});
    const struct {
        int id;
        const char* port;
    } choices[] = {{ID_PORT_COM3, "COM3"}, {ID_PORT_COM8, "COM8"}, {ID_PORT_COM5, "COM5"},
                   {ID_PORT_COM1, "COM1"}, {ID_PORT_COM6, "COM6"}};
    for (const auto& choice : choices) {
        SCOPED_TRACE(choice.port);
        m_frame->CommandAction(choice.id)->trigger();
        EXPECT_EQ(View().PortName(), choice.port);
        EXPECT_EQ(CheckedPorts(*m_frame), std::vector<int>{choice.id});
    }
    // Choosing the selected port again keeps it checked.
    m_frame->CommandAction(ID_PORT_COM6)->trigger();
    EXPECT_EQ(CheckedPorts(*m_frame), std::vector<int>{ID_PORT_COM6});
}

TEST_F(PortMenu, CtrlKeysSelectPortsAndNeverCopyEvenInTheLineEdit)
{
    const struct {
        Qt::Key key;
        const char* port;
        int id;
    } keys[] = {{Qt::Key_C, "COM1", ID_PORT_COM1},
                {Qt::Key_D, "COM2", ID_PORT_COM2},
                {Qt::Key_E, "COM3", ID_PORT_COM3},
                {Qt::Key_F, "COM4", ID_PORT_COM4}};
    QLineEdit* edit = View().PttIdCodeEdit();
    for (const auto& row : keys) {
        SCOPED_TRACE(row.port);
        m_frame->CommandAction(ID_PORT_COM8)->trigger();
        QApplication::clipboard()->setText(QStringLiteral("kept"));
        edit->setFocus();
        ASSERT_TRUE(edit->hasFocus());
        edit->setText(QStringLiteral("1234"));
        edit->selectAll();
        QTest::keyClick(edit, row.key, Qt::ControlModifier);
        EXPECT_EQ(View().PortName(), row.port);
        EXPECT_EQ(CheckedPorts(*m_frame), std::vector<int>{row.id});
        EXPECT_EQ(QApplication::clipboard()->text(), "kept");
        EXPECT_EQ(edit->text(), "1234");
    }
}

TEST_F(PortMenu, AShortcutOfTheWindowOnTheSameKeyDoesNotTakeIt)
{
    auto* copy = new QAction(m_frame.get());
    copy->setShortcut(QKeySequence::Copy);
    m_frame->addAction(copy);
    QSignalSpy copied(copy, &QAction::triggered);
    m_frame->CommandAction(ID_PORT_COM8)->trigger();
    View().Combo(FormCombo::Squelch)->setFocus();
    QTest::keyClick(View().Combo(FormCombo::Squelch), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(View().PortName(), "COM1");
    EXPECT_EQ(copied.count(), 0);
}

TEST_F(PortMenu, FileAcceleratorsWorkWithTheFocusInTheForm)
{
    const struct {
        Qt::Key key;
        int id;
    } keys[] = {{Qt::Key_N, ID_FILE_NEW}, {Qt::Key_O, ID_FILE_OPEN}, {Qt::Key_S, ID_FILE_SAVE}};
    View().PttIdCodeEdit()->setFocus();
    for (const auto& row : keys) {
        SCOPED_TRACE(row.id);
        QSignalSpy triggered(m_frame->CommandAction(row.id), &QAction::triggered);
        QTest::keyClick(View().PttIdCodeEdit(), row.key, Qt::ControlModifier);
        EXPECT_EQ(triggered.count(), 1);
    }
    // The scripted dialogs were asked and cancelled: Open, then Save of an
    // untitled document, which asks for a name.
    EXPECT_EQ(m_docManager.m_prompts, QStringList({"open", "save"}));
}

TEST_F(PortMenu, KeysInADialogAreNotTheWindowsAccelerators)
{
    m_frame->CommandAction(ID_PORT_COM8)->trigger();
    QDialog dialog(m_frame.get());
    auto* edit = new QLineEdit(&dialog);
    OnceModal([&](QDialog&) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(View().PortName(), "COM8");
}

} // namespace
