#include "main_frame.h"
#include "program_title.h"

#include "about_dialog.h"
#include "accelerator_filter.h"
#include "app_icons.h"
#include "cable_check_dialog.h"
#include "dialog_result.h"
#include "doc_manager.h"
#include "exit_prompt_dialog.h"
#include "find_cable_dialog.h"
#include "first_write_prompt.h"
#include "image_changes_dialog.h"
#include "keyboard_help_dialog.h"
#include "impossible_values_prompt.h"
#include "kill_code_dialog.h"
#include "lock_key_indicators.h"
#include "message_box.h"
#include "other_port_dialog.h"
#include "paste_report_dialog.h"
#include "password_dialog.h"
#include "print_commands.h"
#include "restore_offer.h"
#include "retry_prompt.h"
#include "save_changes_prompt.h"
#include "trace_path_dialog.h"
#include "version_prompt_dialog.h"
#include "write_safety_settings.h"

#include "editor/desktop_transfer_host.h"
#include "editor/program_view.h"
#include "grid/ms_flex_grid.h"
#include "document/channel_file.h"
#include "document/core_text.h"
#include "document/display_path.h"
#include "port/port_report_text.h"
#include "port/port_system.h"
#include "port/trace_file.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QPrinter>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <utility>

namespace {

constexpr QSize kInitialSize(800, 1100);
constexpr QSize kToolbarImageSize(18, 18);
// How long a word of the form stays in the status bar, in milliseconds.
constexpr int kStatusMessageTime = 10000;

// Commands that would end or change what a running transfer works on, or
// open a modal loop that holds it up: greyed while it runs.
constexpr int kCommandsBarredInTransfer[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_OPEN_BACKUP, ID_FILE_COMPARE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_PRINT,
    ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, ID_PROGRAM_KILL_CODE, ID_PROGRAM_TRACE,
    ID_PROGRAM_BACKUP_BEFORE_WRITE, ID_PROGRAM_PREVIEW_BEFORE_WRITE, ID_PROGRAM_VERIFY_AFTER_WRITE, ID_APP_ABOUT,
    ID_FILE_IMPORT_CHANNELS, ID_FILE_EXPORT_CHANNELS, ID_EDIT_UNDO, ID_EDIT_REDO, ID_EDIT_CUT, ID_EDIT_PASTE,
    ID_EDIT_CLEAR, ID_EDIT_MOVE_UP, ID_EDIT_MOVE_DOWN,
};

// The Program menu's choices around a write.
constexpr int kWriteSafetyItems[] = {
    ID_PROGRAM_BACKUP_BEFORE_WRITE, ID_PROGRAM_PREVIEW_BEFORE_WRITE, ID_PROGRAM_VERIFY_AFTER_WRITE};

struct PortCommand {
    int id;
    int number;
    void (CMainFrame::*handler)();
};

const PortCommand kPortCommands[] = {
    {ID_PORT_COM1, 1, &CMainFrame::OnPortCom1}, {ID_PORT_COM2, 2, &CMainFrame::OnPortCom2},
    {ID_PORT_COM3, 3, &CMainFrame::OnPortCom3}, {ID_PORT_COM4, 4, &CMainFrame::OnPortCom4},
    {ID_PORT_COM5, 5, &CMainFrame::OnPortCom5}, {ID_PORT_COM6, 6, &CMainFrame::OnPortCom6},
    {ID_PORT_COM7, 7, &CMainFrame::OnPortCom7}, {ID_PORT_COM8, 8, &CMainFrame::OnPortCom8},
};

// "\tCtrl+C" for a command with an accelerator, shown at the right of its
// menu item as the File menu's texts show theirs; empty for one without.
QString AcceleratorSuffix(int id)
{
    for (const CommandInfo& command : kCommands) {
        if (command.id == id && command.accelerator.key() != Qt::Key(0))
            return QLatin1Char('\t') + QKeySequence(command.accelerator).toString(QKeySequence::PortableText);
    }
    return {};
}

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

CMainFrame::CMainFrame(CProgramDoc& doc, CMyDocManager& docManager, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_docManager(docManager), m_portSystem(std::make_unique<PortSystem>())
{
    setWindowTitle(ProgramTitle());
    setAccessibleName(windowTitle());
    setWindowIcon(AppIcon());
    resize(kInitialSize);

    m_doc.SetHost(this);
    m_channelListPrompts = SystemChannelListPrompts([this] {
        const QString& path = m_doc.GetPathName();
        return path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
    });
    CreateView();
    CreateCommands();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    ConnectCommands();
    ConnectTransfers();
}

CMainFrame::~CMainFrame()
{
    // The view outlives this part of the frame: the focus leaving its
    // controls as they go must not reach it.
    m_pView->disconnect(this);
    m_doc.SetHost(nullptr);
    // The list reads the port system, which goes before the window's children.
    delete m_pFindCableDlg;
}

// The form keeps its size; a window smaller than the form scrolls it.
void CMainFrame::CreateView()
{
    m_viewArea = new QScrollArea(this);
    m_viewArea->setAccessibleName(tr("Form"));
    m_viewArea->setFrameShape(QFrame::NoFrame);
    m_viewArea->setWidgetResizable(true);
    m_pView = new CProgramView(&m_doc);
    m_viewArea->setWidget(m_pView);
    setCentralWidget(m_viewArea);
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
        m_accelerators->AddInWidget(key, CommandAction(command.id), m_pView->m_grid);
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

void CMainFrame::ConnectCommands()
{
    const auto on = [this](int id, void (CMainFrame::*handler)()) {
        connect(CommandAction(id), &QAction::triggered, this, handler);
    };
    on(ID_FILE_NEW, &CMainFrame::OnFileNew);
    on(ID_FILE_OPEN, &CMainFrame::OnFileOpen);
    on(ID_FILE_OPEN_BACKUP, &CMainFrame::OnFileOpenBackup);
    on(ID_FILE_COMPARE, &CMainFrame::OnFileCompare);
    on(ID_FILE_SAVE, &CMainFrame::OnFileSave);
    on(ID_FILE_SAVE_AS, &CMainFrame::OnFileSaveAs);
    on(ID_FILE_PRINT, &CMainFrame::OnFilePrint);
    on(ID_FILE_PRINT_PREVIEW, &CMainFrame::OnFilePrintPreview);
    on(ID_FILE_PRINT_SETUP, &CMainFrame::OnFilePrintSetup);
    connect(CommandAction(ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);
    on(ID_PROGRAM_READ, &CMainFrame::OnProgramRead);
    on(ID_PROGRAM_WRITE, &CMainFrame::OnProgramWrite);
    on(ID_PROGRAM_FLEET, &CMainFrame::OnProgramFleet);
    on(ID_PROGRAM_KILL_CODE, &CMainFrame::OnKillCode);
    connect(CommandAction(ID_PROGRAM_TRACE), &QAction::triggered, this, &CMainFrame::OnProgramTrace);
    const WriteSafety safety = LoadWriteSafety();
    CommandAction(ID_PROGRAM_BACKUP_BEFORE_WRITE)->setChecked(safety.backUpBeforeWrite);
    CommandAction(ID_PROGRAM_PREVIEW_BEFORE_WRITE)->setChecked(safety.previewBeforeWrite);
    CommandAction(ID_PROGRAM_VERIFY_AFTER_WRITE)->setChecked(safety.verifyAfterWrite);
    m_pView->SetWriteSafety(safety);
    for (const int id : kWriteSafetyItems)
        on(id, &CMainFrame::OnWriteSafetyChanged);
    for (const PortCommand& port : kPortCommands)
        on(port.id, port.handler);
    on(ID_PORT_FIND_CABLE, &CMainFrame::OnPortFindCable);
    on(ID_PORT_OTHER, &CMainFrame::OnPortOther);
    on(ID_PORT_SIMULATED, &CMainFrame::OnPortSimulated);
    on(ID_APP_ABOUT, &CMainFrame::OnAppAbout);
    on(ID_HELP_KEYBOARD, &CMainFrame::OnHelpKeyboard);
    on(ID_FILE_IMPORT_CHANNELS, &CMainFrame::OnImportChannels);
    on(ID_FILE_EXPORT_CHANNELS, &CMainFrame::OnExportChannels);
    const auto onView = [this](int id, void (CProgramView::*handler)()) {
        connect(CommandAction(id), &QAction::triggered, m_pView, handler);
    };
    onView(ID_EDIT_UNDO, &CProgramView::OnEditUndo);
    onView(ID_EDIT_REDO, &CProgramView::OnEditRedo);
    onView(ID_EDIT_CUT, &CProgramView::OnEditCut);
    onView(ID_EDIT_COPY, &CProgramView::OnEditCopy);
    onView(ID_EDIT_PASTE, &CProgramView::OnEditPaste);
    onView(ID_EDIT_CLEAR, &CProgramView::OnClearChannels);
    onView(ID_EDIT_MOVE_UP, &CProgramView::OnMoveUp);
    onView(ID_EDIT_MOVE_DOWN, &CProgramView::OnMoveDown);
    onView(ID_PORT_CHECK_CABLE, &CProgramView::OnPortCheckCable);
    connect(m_pView, &CProgramView::HistoryChanged, this, &CMainFrame::UpdateEditCommands);

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

    UpdatePortItems();
    UpdateEditCommands();
}

// Undo and Redo name their step and are greyed without one; the status bar
// names the file and says whether the form differs from it.
void CMainFrame::UpdateEditCommands()
{
    const bool idle = !m_pView->IsTransferRunning();
    QAction* undo = CommandAction(ID_EDIT_UNDO);
    undo->setText(m_pView->UndoText() + AcceleratorSuffix(ID_EDIT_UNDO));
    undo->setEnabled(idle && m_pView->History().CanUndo());
    QAction* redo = CommandAction(ID_EDIT_REDO);
    redo->setText(m_pView->RedoText() + AcceleratorSuffix(ID_EDIT_REDO));
    redo->setEnabled(idle && m_pView->History().CanRedo());

    // A screen reader hears the field's name and what it shows.
    m_paneFile->setText(DocumentName());
    m_paneFile->setAccessibleName(tr("File: %1").arg(m_paneFile->text()));
    m_paneModified->setText(m_pView->IsModified() ? tr("Modified") : QString());
    m_paneModified->setAccessibleName(m_paneModified->text().isEmpty()
                                          ? tr("Changes: none")
                                          : tr("Changes: %1").arg(m_paneModified->text()));
}

// What the status bar cannot show whole goes into a list beside the form.
void CMainFrame::OnPasteRowsReported(const QString& summary, const QStringList& rows)
{
    if (m_wndStatusBar->ShowsWhole(m_wndStatusBar->currentMessage()))
        return;
    if (!m_pPasteReportDlg)
        m_pPasteReportDlg = new CPasteReportDialog(this);
    m_pPasteReportDlg->Show(summary, rows);
}

// The view's transfers ask their questions through the program's dialogs,
// over this window.
void CMainFrame::ConnectTransfers()
{
    TransferPrompts prompts;
    prompts.showMessage = [this](const QString& text, const QString& detail) {
        ShowMessageBox(this, text, text == CoreText(OpenFailedMessage()) ? WithCableDiagnosis(detail) : detail);
    };
    prompts.askRetry = [this](const QString& text) {
        return RunRetryPrompt(this, text) == IDRETRY ? RetryAnswer::Retry : RetryAnswer::Cancel;
    };
    prompts.askVersion = [this] {
        return RunVersionPrompt(this) == IDOK ? VersionAnswer::Continue : VersionAnswer::Cancel;
    };
    prompts.confirmWrite = [this](const RadioImage& radio, const RadioImage& toWrite) {
        return ConfirmWrite(this, radio, toWrite);
    };
    prompts.askFirstWrite = [this] { return AskFirstWrite(this); };
    prompts.offerRestore = [this](const QString& text, const QString& detail) {
        return OfferRestore(this, text, detail);
    };
    prompts.confirmValues = [this](const RadioImage& toWrite) { return ConfirmWriteOfImpossibleValues(this, toWrite); };
    m_pView->SetTransferPrompts(std::move(prompts));
    m_pView->SetKeepBackups(true);
    connect(m_pView, &CProgramView::TransferRunningChanged, this, &CMainFrame::OnTransferRunningChanged);
    connect(m_pView, &CProgramView::TraceStopped, this, [this] { CommandAction(ID_PROGRAM_TRACE)->setChecked(false); });
}

// Checking the item asks where the trace goes; from then on every transfer is
// recorded there until the item is unchecked. The file holds all of them.
void CMainFrame::OnProgramTrace(bool checked)
{
    QAction* item = CommandAction(ID_PROGRAM_TRACE);
    if (!checked) {
        m_pView->SetTrace(nullptr);
        m_wndStatusBar->showMessage(tr("Transfers are no longer traced"), kStatusMessageTime);
        return;
    }
    const QString path = AskTracePath(this);
    auto trace = path.isEmpty() ? nullptr : std::make_unique<TraceFile>(path);
    if (trace && !trace->Check()) {
        ShowMessageBox(this, TraceFailedText(DisplayPath(path)), trace->errorString());
        trace.reset();
    }
    if (!trace) {
        item->setChecked(false);
        return;
    }
    m_pView->SetTrace(std::move(trace));
    m_wndStatusBar->showMessage(tr("The next transfers are traced into %1").arg(DisplayPath(path)),
                                kStatusMessageTime);
}

void CMainFrame::OnWriteSafetyChanged()
{
    WriteSafety safety;
    safety.backUpBeforeWrite = CommandAction(ID_PROGRAM_BACKUP_BEFORE_WRITE)->isChecked();
    safety.previewBeforeWrite = CommandAction(ID_PROGRAM_PREVIEW_BEFORE_WRITE)->isChecked();
    safety.verifyAfterWrite = CommandAction(ID_PROGRAM_VERIFY_AFTER_WRITE)->isChecked();
    m_pView->SetWriteSafety(safety);
    SaveWriteSafety(safety);
}

void CMainFrame::OnTransferRunningChanged(bool running)
{
    for (const int id : kCommandsBarredInTransfer)
        CommandAction(id)->setEnabled(!running);
    UpdateEditCommands();
    if (!running)
        m_wndStatusBar->clearMessage();
}

// An opened file shows whatever its bytes hold; one that no radio could
// have given is said to be so.
void CMainFrame::InitialUpdateFrame()
{
    m_pView->OnInitialUpdate();
    ResizeParentToFit();
    TellOfImpossibleValues(isVisible() ? this : nullptr, m_doc.m_image);
}

void CMainFrame::StoreToImage()
{
    m_pView->StoreToImage();
}

void CMainFrame::ReportFileError(const FileStatus& status)
{
    ShowMessageBox(isVisible() ? this : nullptr, status.text(), status.detail());
}

void CMainFrame::OnDocumentSaved()
{
    m_pView->MarkSaved();
}

// A backup opened is named, with where a save of it goes.
QString CMainFrame::DocumentName() const
{
    const QString& path = m_doc.GetPathName();
    if (!path.isEmpty())
        return QFileInfo(path).fileName();
    const QString& backup = m_docManager.OpenedBackupName();
    return backup.isEmpty() ? tr("Untitled") : tr("%1 (backup: Save asks for a new name)").arg(backup);
}

bool CMainFrame::SaveModified()
{
    // What is typed into an open editor is a change too.
    m_pView->CommitOpenEditor();
    if (!m_pView->IsModified())
        return true;
    switch (AskSaveChanges(this, DocumentName())) {
    case SaveChangesAnswer::Save:
        return m_docManager.OnFileSave();
    case SaveChangesAnswer::Discard:
        return true;
    case SaveChangesAnswer::Cancel:
        break;
    }
    return false;
}

void CMainFrame::OnFileNew()
{
    if (SaveModified())
        (void)m_docManager.OnFileNew();
}

void CMainFrame::OnFileOpen()
{
    if (SaveModified())
        m_docManager.OnFileOpen();
}

void CMainFrame::OnFileOpenBackup()
{
    if (SaveModified())
        m_docManager.OnFileOpenBackup();
}

// The form against a file: what the form would change in it.
void CMainFrame::OnFileCompare()
{
    QString path;
    if (!m_docManager.PromptOpenName(path, tr("Compare With")))
        return;
    RadioImage file;
    const FileStatus status = LoadChannelFile(path, file);
    if (!status.ok()) {
        ReportFileError(status);
        return;
    }
    // The form as a save would store it; the document keeps its image.
    const RadioImage document = m_doc.m_image;
    m_pView->StoreToImage();
    const RadioImage form = std::exchange(m_doc.m_image, document);
    ShowComparison(this, file, form, QFileInfo(path).fileName());
}

void CMainFrame::OnFileSave()
{
    (void)m_docManager.OnFileSave();
}

void CMainFrame::OnFileSaveAs()
{
    (void)m_docManager.OnFileSaveAs();
}

void CMainFrame::OnFilePrint()
{
    if (RunPrintDialog(this, Printer(), *m_pView) == PrintOutcome::Failed)
        ShowMessageBox(this, tr("The channel list could not be printed"), Printer().printerName());
}

void CMainFrame::OnFilePrintPreview()
{
    RunPrintPreview(this, Printer(), *m_pView);
}

void CMainFrame::OnFilePrintSetup()
{
    RunPrintSetup(this, Printer());
}

// Made when first needed: asking the system for its printers takes a while.
QPrinter& CMainFrame::Printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

// A completed read replaces the form: its changes are offered for saving
// before the transfer is even prepared.
void CMainFrame::OnProgramRead()
{
    if (SaveModified())
        m_pView->OnProgramRead();
}

void CMainFrame::OnProgramWrite()
{
    m_pView->OnProgramWrite();
}

void CMainFrame::OnKillCode()
{
    CPasswordDialog password(this);
    if (password.DoModal() != IDOK)
        return;
    CKillCodeDialog killCode(m_doc.m_image, this);
    (void)killCode.DoModal();
}

void CMainFrame::OnPortCom1() { SelectPort(1); }
void CMainFrame::OnPortCom2() { SelectPort(2); }
void CMainFrame::OnPortCom3() { SelectPort(3); }
void CMainFrame::OnPortCom4() { SelectPort(4); }
void CMainFrame::OnPortCom5() { SelectPort(5); }
void CMainFrame::OnPortCom6() { SelectPort(6); }
void CMainFrame::OnPortCom7() { SelectPort(7); }
void CMainFrame::OnPortCom8() { SelectPort(8); }

// Only the choice changes: no port is opened or tested here, and a transfer
// already running keeps the port it opened.
void CMainFrame::SelectPort(int number)
{
    m_pView->OnPortCom(number);
    UpdatePortItems();
}

// The path is asked for without a modal loop, so that a running transfer
// goes on meanwhile. Until OK the choice stays as it was.
void CMainFrame::OnPortOther()
{
    if (!m_pOtherPortDlg) {
        m_pOtherPortDlg = new COtherPortDialog(this);
        connect(m_pOtherPortDlg, &COtherPortDialog::PathChosen, this, [this](const QString& path) {
            m_pView->OnPortOther(path);
            UpdatePortItems();
        });
    }
    UpdatePortItems();
    m_pOtherPortDlg->Ask(m_pView->m_portSelection.OtherPath());
}

// What keeps the chosen device from working goes under the system's reason,
// and so do the cables plugged in without a device file.
QString CMainFrame::WithCableDiagnosis(const QString& detail) const
{
    const QString diagnosis = OpenFailureDiagnosis(*m_portSystem, m_pView->m_portSelection.ChosenDevice());
    return diagnosis.isEmpty() ? detail : detail + QStringLiteral("\n\n") + diagnosis;
}

void CMainFrame::SetPortSystem(std::unique_ptr<PortSystem> system)
{
    delete std::exchange(m_pFindCableDlg, nullptr);
    m_portSystem = std::move(system);
}

// Like Other port, the list is shown without a modal loop; choosing a device
// in it makes it the port as a typed path would.
void CMainFrame::OnPortFindCable()
{
    if (!m_pFindCableDlg) {
        m_pFindCableDlg = new CFindCableDialog(*m_portSystem, this);
        connect(m_pFindCableDlg, &CFindCableDialog::PortChosen, this, [this](const QString& path) {
            m_pView->OnPortOther(path);
            UpdatePortItems();
        });
    }
    m_pFindCableDlg->show();
    m_pFindCableDlg->raise();
    m_pFindCableDlg->activateWindow();
}

void CMainFrame::OnPortSimulated()
{
    m_pView->OnPortSimulated();
    UpdatePortItems();
}

void CMainFrame::RefreshPortMenu()
{
    m_pView->m_portSelection.Refresh();
    UpdatePortItems();
}

// Each item shows the device it stands for; one check mark, on the choice.
void CMainFrame::UpdatePortItems()
{
    const PortSelection& ports = m_pView->m_portSelection;
    for (const PortCommand& port : kPortCommands) {
        QAction* item = CommandAction(port.id);
        item->setText(ports.NumberedText(port.number) + AcceleratorSuffix(port.id));
        item->setStatusTip(ports.NumberedPrompt(port.number));
        item->setChecked(ports.IsNumberedChecked(port.number));
    }
    QAction* other = CommandAction(ID_PORT_OTHER);
    other->setText(ports.OtherText());
    other->setChecked(ports.Checked() == PortSelection::Item::Other);
    CommandAction(ID_PORT_SIMULATED)->setChecked(ports.Checked() == PortSelection::Item::Simulated);
}

void CMainFrame::OnAppAbout()
{
    CAboutDialog about(this);
    about.exec();
}

void CMainFrame::OnHelpKeyboard()
{
    CKeyboardHelpDialog help(this);
    help.exec();
}

void CMainFrame::OnImportChannels()
{
    const QString done = RunImportChannels(this, *m_pView, m_channelListPrompts);
    if (!done.isEmpty())
        m_wndStatusBar->showMessage(done, kStatusMessageTime);
}

void CMainFrame::OnExportChannels()
{
    const QString done = RunExportChannels(this, *m_pView, m_channelListPrompts);
    if (!done.isEmpty())
        m_wndStatusBar->showMessage(done, kStatusMessageTime);
}

// The exit question is asked on every close, whatever closed the window and
// whether anything was changed or not; unsaved changes are offered for saving
// first.
void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The view, the document and the progress dialog must outlive the
    // transfer; and the exit prompt's modal loop would hold it up.
    if (m_pView->IsTransferRunning()) {
        event->ignore();
        m_wndStatusBar->showMessage(tr("A transfer with the radio is running: wait for it to end, or press "
                                       "Cancel in its dialog."));
        return;
    }
    if (!SaveModified()) {
        event->ignore();
        return;
    }
    CExitPromptDialog prompt(this);
    if (prompt.DoModal() == IDOK)
        event->accept();
    else
        event->ignore();
}

// Shown by the program, not restored by the user from the task bar.
void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        CenterWindow();
}

// The window shrinks, never grows, until the form fits without scrolling.
void CMainFrame::ResizeParentToFit()
{
    if (QLayout* frameLayout = layout())
        frameLayout->activate();
    const QSize around = size() - m_viewArea->size();
    const QSize needed = around + m_pView->sizeHint();
    resize(size().boundedTo(needed));
}

void CMainFrame::CenterWindow()
{
    const QScreen* display = screen();
    if (!display)
        return;
    const QRect area = display->availableGeometry();
    const QRect frame = frameGeometry();
    const int x = area.left() + std::max(0, (area.width() - frame.width()) / 2);
    const int y = area.top() + std::max(0, (area.height() - frame.height()) / 2);
    move(x, y);
}
