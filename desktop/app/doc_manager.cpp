#include "doc_manager.h"

#include "main_frame.h"
#include "recent_file_list.h"

#include "document/backup_folder.h"
#include "document/program_doc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTreeView>

namespace {

const QString kExtension = QStringLiteral("sin");

QString tr(const char* text)
{
    return QCoreApplication::translate("CMyDocManager", text);
}

// The full path; a desktop shortcut to a file stands for the file.
QString ResolvePath(const QString& path)
{
    const QFileInfo info(path);
    if (info.isShortcut() && !info.symLinkTarget().isEmpty())
        return info.symLinkTarget();
    return info.absoluteFilePath();
}

} // namespace

CMyDocManager::CMyDocManager(CProgramDoc& doc, CRecentFileList& recentFiles)
    : m_doc(doc), m_recentFiles(recentFiles)
{
}

bool CMyDocManager::OnFileNew()
{
    if (!m_doc.OnNewDocument())
        return false;
    m_openedBackup.clear();
    if (m_pFrame)
        m_pFrame->InitialUpdateFrame();
    return true;
}

void CMyDocManager::OnFileOpen()
{
    QString fileName;
    if (DoPromptFileName(fileName, true))
        (void)OpenDocumentFile(fileName);
}

// A backup stays as the radio held it: the document shows it but is not its
// file, so that Save asks where the edited copy goes.
void CMyDocManager::OnFileOpenBackup()
{
    QString fileName;
    if (!DoPromptBackupName(fileName) || !m_doc.OnOpenDocument(ResolvePath(fileName)))
        return;
    m_doc.ForgetPathName();
    m_openedBackup = QFileInfo(fileName).fileName();
    if (m_pFrame)
        m_pFrame->InitialUpdateFrame();
}

bool CMyDocManager::OpenDocumentFile(const QString& path)
{
    const QString fullPath = ResolvePath(path);
    if (!m_doc.OnOpenDocument(fullPath))
        return false;
    m_openedBackup.clear();
    m_recentFiles.Add(fullPath);
    if (m_pFrame)
        m_pFrame->InitialUpdateFrame();
    return true;
}

bool CMyDocManager::OnFileSave()
{
    const QString& path = m_doc.GetPathName();
    const QFileInfo info(path);
    if (path.isEmpty() || (info.exists() && !info.isWritable()))
        return OnFileSaveAs();
    if (!m_doc.OnSaveDocument(path))
        return false;
    if (m_pFrame)
        m_pFrame->OnDocumentSaved();
    return true;
}

bool CMyDocManager::OnFileSaveAs()
{
    QString fileName = m_doc.GetPathName();
    if (fileName.isEmpty())
        fileName = QDir::current().filePath(tr("Untitled") + u'.' + kExtension);
    if (!DoPromptFileName(fileName, false))
        return false;
    const QString path = ResolvePath(WithDefaultExtension(fileName));
    if (!m_doc.OnSaveDocument(path))
        return false;
    m_openedBackup.clear();
    m_recentFiles.Add(path);
    if (m_pFrame)
        m_pFrame->OnDocumentSaved();
    return true;
}

bool CMyDocManager::PromptOpenName(QString& fileName, const QString& title)
{
    m_openTitle = title;
    const bool chosen = DoPromptFileName(fileName, true);
    m_openTitle.clear();
    return chosen;
}

bool CMyDocManager::DoPromptFileName(QString& fileName, bool bOpenFileDialog)
{
    const QString openTitle = m_openTitle.isEmpty() ? tr("Open") : m_openTitle;
    QFileDialog dialog(DialogParent(), bOpenFileDialog ? openTitle : tr("Save As"));
    SetUpFileDialog(dialog, bOpenFileDialog);
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName = dialog.selectedFiles().constFirst();
    return true;
}

bool CMyDocManager::DoPromptBackupName(QString& fileName)
{
    QFileDialog dialog(DialogParent(), tr("Open Backup"));
    SetUpBackupDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName = dialog.selectedFiles().constFirst();
    return true;
}

// The backups are named by the moment of the read, and the one wanted is
// nearly always the latest: the list shows their dates, newest at the top.
// Only the dialog of Qt's own can be told how to sort.
void CMyDocManager::SetUpBackupDialog(QFileDialog& dialog)
{
    SetUpFileDialog(dialog, true);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setViewMode(QFileDialog::Detail);
    // Shown even before the first backup, so that the user sees where they go.
    QDir().mkpath(BackupFolder());
    dialog.setDirectory(BackupFolder());
    constexpr int kDateModifiedColumn = 3;
    if (auto* list = dialog.findChild<QTreeView*>())
        list->sortByColumn(kDateModifiedColumn, Qt::DescendingOrder);
}

void CMyDocManager::SetUpFileDialog(QFileDialog& dialog, bool bOpenFileDialog)
{
    dialog.setAccessibleName(dialog.windowTitle());
    dialog.setNameFilters({tr("Channel Data (*.sin)"), tr("All Files (*)")});
    dialog.selectNameFilter(dialog.nameFilters().constFirst());
    if (bOpenFileDialog) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        // The dialog adds the extension itself, so that it asks before it
        // overwrites the file that will really be written.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(kExtension);
    }
}

QString CMyDocManager::WithDefaultExtension(const QString& path)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    return path + u'.' + kExtension;
}

QWidget* CMyDocManager::DialogParent() const
{
    return m_pFrame;
}
