#pragma once

#include <QString>

class CMainFrame;
class CProgramDoc;
class CRecentFileList;
class QFileDialog;
class QWidget;

// File New, Open, Save and Save As of the one document: reset or load the
// image and then reload the form; store the form and then write the file.
class CMyDocManager {
public:
    CMyDocManager(CProgramDoc& doc, CRecentFileList& recentFiles);
    virtual ~CMyDocManager() = default;

    // The frame that shows the document's view and owns the dialogs.
    void SetFrame(CMainFrame* frame) { m_pFrame = frame; }

    [[nodiscard]] bool OnFileNew();
    void OnFileOpen();
    // Open with the file dialog in the backups folder, newest first; the
    // backup itself is never saved over.
    void OnFileOpenBackup();
    [[nodiscard]] bool OnFileSave();
    [[nodiscard]] bool OnFileSaveAs();

    // Opens path, whatever its extension, and reloads the form from it;
    // the file already shown is read again without a question. The path is
    // used as it is: quotes and length are the file system's business.
    [[nodiscard]] bool OpenDocumentFile(const QString& path);

    // The file dialogs: "Channel Data (*.sin)" first and preselected, then
    // all files. Replaced in tests.
    virtual bool DoPromptFileName(QString& fileName, bool bOpenFileDialog);
    static void SetUpFileDialog(QFileDialog& dialog, bool bOpenFileDialog);
    // The open dialog of Open Backup. Replaced in tests.
    virtual bool DoPromptBackupName(QString& fileName);
    static void SetUpBackupDialog(QFileDialog& dialog);

    // The open dialog under a title of its own (Compare With…); the scripted
    // dialogs of tests see the title as PendingOpenTitle().
    [[nodiscard]] bool PromptOpenName(QString& fileName, const QString& title);
    // The file name of the backup the form was opened from, while no save
    // has given it a file of its own; empty otherwise.
    const QString& OpenedBackupName() const { return m_openedBackup; }

    // A name without an extension gets ".sin".
    static QString WithDefaultExtension(const QString& path);

protected:
    const QString& PendingOpenTitle() const { return m_openTitle; }

private:
    QWidget* DialogParent() const;

    CProgramDoc& m_doc;
    CRecentFileList& m_recentFiles;
    CMainFrame* m_pFrame = nullptr;
    QString m_openTitle;
    QString m_openedBackup;
};
