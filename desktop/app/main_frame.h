#pragma once

#include "channel_list_commands.h"
#include "command_table.h"
#include "status_bar.h"

#include "document/program_doc.h"

#include <QHash>
#include <QMainWindow>

#include <initializer_list>
#include <memory>
#include <utility>

class CAcceleratorFilter;
class CFindCableDialog;
class CLockKeyIndicators;
class CMyDocManager;
class COtherPortDialog;
class CPasteReportDialog;
class CProgramView;
class PortSystem;
class QLabel;
class QPrinter;
class QScrollArea;
class QToolBar;

// The one main window: menus, toolbar, status bar and the form view. It
// hosts the document (the form is stored before each save, file errors are
// shown here) and asks before it closes. Its title is always "Programming
// Software", never the file name.
class CMainFrame : public QMainWindow, public CProgramDocHost {
    Q_OBJECT
public:
    CMainFrame(CProgramDoc& doc, CMyDocManager& docManager, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CProgramView* GetActiveView() const { return m_pView; }
    QAction* CommandAction(int id) const { return m_actions.value(id); }
    QMenu* Menu(MenuId menu) const { return m_menus.value(menu); }
    const CAcceleratorFilter& Accelerators() const { return *m_accelerators; }
    // The file dialogs of Import and Export Channels.
    void SetChannelListPrompts(ChannelListPrompts prompts) { m_channelListPrompts = std::move(prompts); }
    // Where Find Cable and a failed open look for the cable.
    void SetPortSystem(std::unique_ptr<PortSystem> system);

    // After File New and Open: the view's initial update, then the window
    // shrinks to fit the form.
    void InitialUpdateFrame();

    void StoreToImage() override;
    // The document was written: the form is no longer modified.
    void OnDocumentSaved();
    // Offers to save the form's changes before they would be replaced; false
    // when the user cancels or the save fails.
    [[nodiscard]] bool SaveModified();
    void ReportFileError(const FileStatus& status) override;

    QToolBar* m_wndToolBar = nullptr;
    CStatusBar* m_wndStatusBar = nullptr;
    QLabel* m_paneMessage = nullptr;
    QLabel* m_paneFile = nullptr;       // the file's name, or "Untitled"
    QLabel* m_paneModified = nullptr;   // "Modified" while the form differs from it
    CLockKeyIndicators* m_lockKeys = nullptr;

public slots:
    void OnFileNew();
    void OnFileOpen();
    void OnFileOpenBackup();
    void OnFileCompare();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnProgramRead();
    void OnProgramWrite();
    void OnProgramFleet(); // main_frame_fleet.cpp
    void OnKillCode();
    void OnProgramTrace(bool checked);
    void OnWriteSafetyChanged();
    void OnPortCom1();
    void OnPortCom2();
    void OnPortCom3();
    void OnPortCom4();
    void OnPortCom5();
    void OnPortCom6();
    void OnPortCom7();
    void OnPortCom8();
    void OnPortFindCable();
    void OnPortOther();
    void OnPortSimulated();
    void OnAppAbout();
    void OnHelpKeyboard();
    void OnImportChannels();
    void OnExportChannels();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateView();
    void CreateCommands();
    void AddAccelerator(const CommandInfo& command, QKeyCombination key);
    void UpdateEditCommands();
    QString DocumentName() const;
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    // Each menu's commands to their handlers (in the file of their menu).
    using Handler = void (CMainFrame::*)();
    void ConnectCommands();
    void ConnectHandlers(std::initializer_list<std::pair<int, Handler>> handlers);
    void ConnectFileCommands();
    void ConnectProgramCommands();
    void ConnectEditCommands();
    void ConnectViewCommands();
    using ChannelListCommand = QString (*)(QWidget*, CProgramView&, const ChannelListPrompts&);
    void RunChannelListCommand(ChannelListCommand command);
    void ConnectTransfers();
    void SelectPort(int number);
    void UpdatePortItems();
    void RefreshPortMenu();
    QString WithCableDiagnosis(const QString& detail) const;
    void OnTransferRunningChanged(bool running);
    void OnPasteRowsReported(const QString& summary, const QStringList& rows);
    QPrinter& Printer();
    void ResizeParentToFit();
    void CenterWindow();

    CProgramDoc& m_doc;
    CMyDocManager& m_docManager;
    CProgramView* m_pView = nullptr;
    QScrollArea* m_viewArea = nullptr;
    CAcceleratorFilter* m_accelerators = nullptr;
    QHash<int, QAction*> m_actions;
    QHash<MenuId, QMenu*> m_menus;
    COtherPortDialog* m_pOtherPortDlg = nullptr;
    std::unique_ptr<PortSystem> m_portSystem;
    CFindCableDialog* m_pFindCableDlg = nullptr;
    CPasteReportDialog* m_pPasteReportDlg = nullptr;
    // The printer and its settings, kept from one print command to the next.
    std::unique_ptr<QPrinter> m_printer;
    ChannelListPrompts m_channelListPrompts;
};
