// The main window itself: what it is made of, the document it hosts, its
// size and place, and the question before it closes.

#include "app/main_frame.h"
#include "app/main_frame_parts.h"

#include "app/app_icons.h"
#include "app/dialog_result.h"
#include "app/doc_manager.h"
#include "app/exit_prompt_dialog.h"
#include "app/find_cable_dialog.h"
#include "app/impossible_values_prompt.h"
#include "app/message_box.h"
#include "app/paste_report_dialog.h"
#include "app/program_title.h"
#include "app/save_changes_prompt.h"

#include "editor/program_view.h"
#include "port/port_system.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>

namespace {

constexpr QSize kInitialSize(800, 1100);

// Commands that would end or change what a running transfer works on, or
// open a modal loop that holds it up: greyed while it runs.
constexpr int kCommandsBarredInTransfer[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_OPEN_BACKUP, ID_FILE_COMPARE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_PRINT,
    ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, ID_PROGRAM_KILL_CODE, ID_PROGRAM_TRACE,
    ID_PROGRAM_BACKUP_BEFORE_WRITE, ID_PROGRAM_PREVIEW_BEFORE_WRITE, ID_PROGRAM_VERIFY_AFTER_WRITE, ID_APP_ABOUT,
    ID_FILE_IMPORT_CHANNELS, ID_FILE_EXPORT_CHANNELS, ID_EDIT_UNDO, ID_EDIT_REDO, ID_EDIT_CUT, ID_EDIT_PASTE,
    ID_EDIT_CLEAR, ID_EDIT_MOVE_UP, ID_EDIT_MOVE_DOWN,
};

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

void CMainFrame::OnTransferRunningChanged(bool running)
{
    for (const int id : kCommandsBarredInTransfer)
        CommandAction(id)->setEnabled(!running);
    UpdateEditCommands();
    if (!running)
        m_wndStatusBar->clearMessage();
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
