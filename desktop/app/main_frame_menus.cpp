// The main window's commands: their actions and keys, the menus, the
// toolbar, the status bar, and which handler each command reaches.

#include "app/main_frame.h"
#include "app/main_frame_parts.h"

#include "app/accelerator_filter.h"
#include "app/app_icons.h"
#include "app/cable_check_dialog.h"
#include "app/lock_key_indicators.h"
#include "app/print_commands.h"

#include "editor/program_view.h"
#include "grid/ms_flex_grid.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <algorithm>
#include <utility>

namespace {

constexpr QSize kToolbarImageSize(18, 18);

ToolbarImage ImageOf(int id)
{
    switch (id) {
    case ID_FILE_NEW: return ToolbarImage::New;
    case ID_FILE_OPEN: return ToolbarImage::Open;
    case ID_FILE_SAVE: return ToolbarImage::Save;
    case ID_EDIT_UNDO: return ToolbarImage::Undo;
    case ID_EDIT_REDO: return ToolbarImage::Redo;
    case ID_PROGRAM_READ: return ToolbarImage::Read;
    case ID_PROGRAM_WRITE: return ToolbarImage::Write;
    case ID_FILE_PRINT: return ToolbarImage::Print;
    default: return ToolbarImage::About;
    }
}

} // namespace

QString AcceleratorSuffix(int id)
{
    for (const CommandInfo& command : kCommands) {
        if (command.id == id && command.accelerator.key() != Qt::Key(0))
            return QLatin1Char('\t') + QKeySequence(command.accelerator).toString(QKeySequence::PortableText);
    }
    return {};
}

void CMainFrame::CreateCommands()
{
    m_accelerators = new CAcceleratorFilter(this);
    for (const CommandInfo& command : kCommands) {
        auto* action = new QAction(tr(command.text), this);
        action->setData(command.id);
        const QStringList prompt = tr(command.prompt).split(u'\n');
        if (!prompt.constFirst().isEmpty())
            action->setStatusTip(prompt.constFirst());
        if (prompt.size() > 1)
            action->setToolTip(prompt.at(1));
        m_actions.insert(command.id, action);
        if (command.accelerator.key() != Qt::Key(0))
            AddAccelerator(command, command.accelerator);
    }
    for (const ExtraKey& extra : kExtraKeys) {
        const auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                          [&](const CommandInfo& info) { return info.id == extra.id; });
        AddAccelerator(*command, extra.key);
    }
    for (const PortCommand& port : kPortCommands)
        CommandAction(port.id)->setCheckable(true);
    CommandAction(ID_PORT_OTHER)->setCheckable(true);
    CommandAction(ID_PORT_SIMULATED)->setCheckable(true);
    CommandAction(ID_PROGRAM_TRACE)->setCheckable(true);
    for (const int id : kWriteSafetyItems)
        CommandAction(id)->setCheckable(true);
    CommandAction(ID_VIEW_TOOLBAR)->setCheckable(true);
    CommandAction(ID_VIEW_STATUS_BAR)->setCheckable(true);

#ifndef Q_OS_WIN
    // Alt+F4 closes the window where no window manager takes it first.
    auto* close = new QAction(this);
    connect(close, &QAction::triggered, this, &QWidget::close);
    m_accelerators->Add(Qt::ALT | Qt::Key_F4, close);
#endif
}

void CMainFrame::AddAccelerator(const CommandInfo& command, QKeyCombination key)
{
    if (command.inGridOnly)
        m_accelerators->AddInWidget(key, CommandAction(command.id), m_pView->Grid());
    else
        m_accelerators->Add(key, CommandAction(command.id));
}

void CMainFrame::CreateMenus()
{
    menuBar()->setAccessibleName(tr("Menu Bar"));
    for (const MenuInfo& info : kMenus) {
        QMenu* menu = menuBar()->addMenu(tr(info.title));
        menu->setAccessibleName(menu->title());
        m_menus.insert(info.menu, menu);
    }
    for (const CommandInfo& command : kCommands) {
        QMenu* menu = Menu(command.menu);
        menu->addAction(CommandAction(command.id));
        if (command.separatorAfter)
            menu->addSeparator();
    }
    connect(Menu(MenuId::Port), &QMenu::aboutToShow, this, &CMainFrame::RefreshPortMenu);
}

void CMainFrame::CreateToolBar()
{
    m_wndToolBar = new QToolBar(tr("Toolbar"), this);
    m_wndToolBar->setObjectName(QStringLiteral("toolbar"));
    m_wndToolBar->setAccessibleName(m_wndToolBar->windowTitle());
    m_wndToolBar->setIconSize(kToolbarImageSize);
    m_wndToolBar->setMovable(true);
    m_wndToolBar->setFloatable(true);
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (const int id : kToolbarSlots) {
        if (id == 0) {
            m_wndToolBar->addSeparator();
            continue;
        }
        QAction* action = CommandAction(id);
        action->setIcon(ToolbarIcon(ImageOf(id)));
        action->setIconVisibleInMenu(false);
        m_wndToolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    // The button that shows the buttons a narrow window leaves out.
    NameMoreToolbarButtons(*m_wndToolBar);
}

void CMainFrame::CreateStatusBar()
{
    m_wndStatusBar = new CStatusBar(this);
    m_wndStatusBar->setAccessibleName(tr("Status Bar"));
    // A command's prompt is a temporary message, which hides "Ready" while
    // it shows.
    m_paneMessage = new QLabel(tr("Ready"), m_wndStatusBar);
    m_paneMessage->setAccessibleName(tr("Message"));
    m_wndStatusBar->addWidget(m_paneMessage, 1);
    m_paneFile = new QLabel(m_wndStatusBar);
    m_paneFile->setAccessibleName(tr("File"));
    m_wndStatusBar->addPermanentWidget(m_paneFile);
    m_paneModified = new QLabel(m_wndStatusBar);
    m_paneModified->setAccessibleName(tr("Changes"));
    m_wndStatusBar->addPermanentWidget(m_paneModified);
    m_lockKeys = new CLockKeyIndicators(m_wndStatusBar);
    setStatusBar(m_wndStatusBar);
}

// Each command goes to its handler here or in the view.
void CMainFrame::ConnectCommands()
{
    ConnectFileCommands();
    ConnectProgramCommands();
    ConnectEditCommands();
    ConnectViewCommands();
    UpdatePortItems();
    UpdateEditCommands();
}

void CMainFrame::ConnectHandlers(std::initializer_list<std::pair<int, Handler>> handlers)
{
    for (const auto& [id, handler] : handlers)
        connect(CommandAction(id), &QAction::triggered, this, handler);
}

void CMainFrame::ConnectEditCommands()
{
    const std::pair<int, void (CProgramView::*)()> commands[] = {
        {ID_EDIT_UNDO, &CProgramView::OnEditUndo},       {ID_EDIT_REDO, &CProgramView::OnEditRedo},
        {ID_EDIT_CUT, &CProgramView::OnEditCut},         {ID_EDIT_COPY, &CProgramView::OnEditCopy},
        {ID_EDIT_PASTE, &CProgramView::OnEditPaste},     {ID_EDIT_CLEAR, &CProgramView::OnClearChannels},
        {ID_EDIT_MOVE_UP, &CProgramView::OnMoveUp},      {ID_EDIT_MOVE_DOWN, &CProgramView::OnMoveDown},
        {ID_PORT_CHECK_CABLE, &CProgramView::OnPortCheckCable},
    };
    for (const auto& [id, handler] : commands)
        connect(CommandAction(id), &QAction::triggered, m_pView, handler);
    connect(m_pView, &CProgramView::HistoryChanged, this, &CMainFrame::UpdateEditCommands);
}

// The toolbar and the status bar, and what the view tells the user.
void CMainFrame::ConnectViewCommands()
{
    QAction* toolbar = CommandAction(ID_VIEW_TOOLBAR);
    toolbar->setChecked(true);
    connect(toolbar, &QAction::toggled, m_wndToolBar, &QWidget::setVisible);
    connect(m_wndToolBar, &QToolBar::visibilityChanged, toolbar, &QAction::setChecked);
    QAction* statusBar = CommandAction(ID_VIEW_STATUS_BAR);
    statusBar->setChecked(true);
    connect(statusBar, &QAction::toggled, m_wndStatusBar, &QWidget::setVisible);
    connect(m_pView, &CProgramView::StatusMessage, this,
            [this](const QString& text) { m_wndStatusBar->showMessage(text, kStatusMessageTime); });
    connect(m_pView, &CProgramView::PasteRowsReported, this, &CMainFrame::OnPasteRowsReported);
    connect(m_pView, &CProgramView::CableChecked, this,
            [this](const QString& report) { ShowCableCheckReport(this, report); });
}
