// The File and Help menus' commands: new, open, compare, save, print,
// import and export of channel lists, and the program's own windows.

#include "app/main_frame.h"
#include "app/main_frame_parts.h"

#include "app/about_dialog.h"
#include "app/doc_manager.h"
#include "app/image_changes_dialog.h"
#include "app/keyboard_help_dialog.h"
#include "app/message_box.h"
#include "app/print_commands.h"

#include "editor/program_view.h"
#include "document/channel_file.h"

#include <QAction>
#include <QFileInfo>
#include <QPrinter>

#include <utility>

void CMainFrame::ConnectFileCommands()
{
    ConnectHandlers({
        {ID_FILE_NEW, &CMainFrame::OnFileNew},
        {ID_FILE_OPEN, &CMainFrame::OnFileOpen},
        {ID_FILE_OPEN_BACKUP, &CMainFrame::OnFileOpenBackup},
        {ID_FILE_COMPARE, &CMainFrame::OnFileCompare},
        {ID_FILE_SAVE, &CMainFrame::OnFileSave},
        {ID_FILE_SAVE_AS, &CMainFrame::OnFileSaveAs},
        {ID_FILE_PRINT, &CMainFrame::OnFilePrint},
        {ID_FILE_PRINT_PREVIEW, &CMainFrame::OnFilePrintPreview},
        {ID_FILE_PRINT_SETUP, &CMainFrame::OnFilePrintSetup},
        {ID_FILE_IMPORT_CHANNELS, &CMainFrame::OnImportChannels},
        {ID_FILE_EXPORT_CHANNELS, &CMainFrame::OnExportChannels},
        {ID_APP_ABOUT, &CMainFrame::OnAppAbout},
        {ID_HELP_KEYBOARD, &CMainFrame::OnHelpKeyboard},
    });
    connect(CommandAction(ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);
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
    RunChannelListCommand(&RunImportChannels);
}

void CMainFrame::OnExportChannels()
{
    RunChannelListCommand(&RunExportChannels);
}

// Import and Export say in the status bar what they have done.
void CMainFrame::RunChannelListCommand(ChannelListCommand command)
{
    const QString done = command(this, *m_pView, m_channelListPrompts);
    if (!done.isEmpty())
        m_wndStatusBar->showMessage(done, kStatusMessageTime);
}
