#pragma once

#include "editor/transfer_prompts.h"
#include "editor/widget_form_controls.h"
#include "editor/write_safety.h"
#include "form/channel_rows.h"
#include "form/form_history.h"
#include "form/form_session.h"
#include "image/radio_image.h"
#include "link/transfer_types.h"
#include "port/port_selection.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class CMSFlexGrid;
class CProgramDoc;
class CProgressDialog;
class CTransferController;
class DialogUnits;
class TraceFile;
class TransferPorts;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QFocusEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QPainter;
class QPushButton;
class QRect;
class QWheelEvent;

// The editor form: the "Setting" group of combo boxes, the "Channel:" row
// with "Delete" and "Add", and the channel grid. Between a load and a store
// the controls hold the editing state; the view keeps no copy of it.
class CProgramView : public QWidget {
    Q_OBJECT
public:
    explicit CProgramView(CProgramDoc* doc, QWidget* parent = nullptr);
    ~CProgramView() override;

    CProgramDoc* GetDocument() const { return m_pDocument; }

    // The first call sets up the Vox Gain list, the grid and the tone list;
    // every call then loads the form from the document's image.
    void OnInitialUpdate();
    void LoadFromImage();
    void StoreToImage();

    // sizeHint() is the size of the whole form.

    // The form's controls, for the frame and for tests.
    QComboBox* Combo(FormCombo field) const;
    QLineEdit* PttIdCodeEdit() const { return m_editPttIdCode; }
    QLineEdit* CellEdit() const { return m_editCell; }
    QComboBox* CellToneEdit() const { return m_comboCellTone; }
    QComboBox* CellOptionEdit() const { return m_comboCellOption; }
    QPushButton* DeleteButton() const { return m_buttonDelete; }
    QPushButton* AddButton() const { return m_buttonAdd; }
    QGroupBox* SettingGroup() const { return m_groupSetting; }
    CMSFlexGrid* Grid() const { return m_grid; }
    CProgressDialog* ProgressDialog() const { return m_pProgressDlg.get(); }
    // "Off", the CTCSS tones and the DCS codes.
    const QStringList& ToneList() const { return m_toneList; }

    // The Port menu's choice (program_view_transfer.cpp) and its name.
    PortSelection& PortChoice() { return m_portSelection; }
    const PortSelection& PortChoice() const { return m_portSelection; }
    QString PortName() const { return m_portSelection.Name(); }
    void OnPortCom(int number);
    void OnPortOther(const QString& path);
    void OnPortSimulated();

    // Reading and writing the radio (the transfer controller): a command
    // opens the progress dialog, whose OK starts the transfer.
    void OnProgramRead();
    void OnProgramWrite();
    void OnStartTransfer();
    bool IsTransferRunning() const { return m_bTransferRunning; }
    // Port > Check Cable: the dialog's OK reads the
    // radio twice and compares; the form is left as it is.
    void OnPortCheckCable();
    // The ports transfers open; none given: the system's and the built-in
    // simulated radio.
    void SetTransferPorts(TransferPorts* ports);
    // The next transfers are recorded into trace until it is taken away
    // (nullptr); the file is rewritten whole after each transfer.
    void SetTrace(std::unique_ptr<TraceFile> trace);
    bool IsTracing() const;
    void SetTransferPrompts(TransferPrompts prompts);
    // The steps around the next writes.
    void SetWriteSafety(const WriteSafety& safety);
    // Every completed read is kept in the backups folder from now on; the
    // form on its own keeps none.
    void SetKeepBackups(bool keep);
    // What the radio of this model holds as far as the program knows: this
    // session's last read or completed write of it, else its newest backup.
    [[nodiscard]] std::optional<RadioImage> LastKnownRadio(const RadioImage& sameModelAs) const;

    // Printing the channel list (program_view_print.cpp).
    void OnPrint(QPainter& painter, const QRect& drawRect, int dpiX, int dpiY);
    [[nodiscard]] bool PrintPage(QPagedPaintDevice& device);

    // Undo and Redo (program_view_history.cpp). Every change of the form is
    // one step of its history; loading the form starts a fresh one.
    const FormHistory& History() const { return m_session->History(); }
    void OnEditUndo();
    void OnEditRedo();
    // The step's name as the Edit menu shows it, "Undo Model Change"; plain
    // "Undo" and "Redo" when there is none.
    QString UndoText() const;
    QString RedoText() const;
    // Whether the form differs from what was last loaded or saved; a cell
    // editor still open counts once it is stored (CommitOpenEditor).
    [[nodiscard]] bool IsModified() const;
    // The form has just been saved as it shows now.
    void MarkSaved();
    // Records a change of the form as a step; before is the cell it was made
    // in, the current cell when not given.
    void NoteChange(const FormStep& step);
    void NoteChange(const FormStep& step, GridCell before);

    // Whole channels (program_view_rows.cpp): the selected rows, or the
    // current row alone, copied as tab-separated text through the clipboard,
    // moved, emptied.
    ChannelSpan SelectedChannels() const;
    void SelectChannels(ChannelSpan channels);
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnClearChannels();
    void OnMoveUp();
    void OnMoveDown();

signals:
    // The history or the form changed: Undo, Redo and "Modified" follow.
    void HistoryChanged();
    // A transfer has started or ended: the frame keeps the document's
    // commands away from it meanwhile.
    void TransferRunningChanged(bool running);
    // A passing word for the status bar, such as how a typed frequency was
    // brought into the band.
    void StatusMessage(const QString& text);
    // After a paste that changed or left out rows: how many were pasted, and
    // a line for each row not pasted as it came.
    void PasteRowsReported(const QString& summary, const QStringList& rows);
    // The trace could not be written and has been given up.
    void TraceStopped();
    // A cable check has ended with the report for the user.
    void CableChecked(const QString& report);

public:
    // The form's logic works on the controls through this.
    FormControls& Controls() { return *m_controls; }
    // The form session over the controls and the document's image, its
    // current cell the grid's.
    FormSession& Session();
    const FormSession& Session() const { return *m_session; }

    // In-place cell editing: an editor is laid over the grid's current cell
    // and stores its value into that cell when it loses the focus.
    void BeginCellEdit();
    void OnEnterCellGrid();
    void OnKeyPressGrid(short* KeyAscii);
    void OnMouseDownGrid(short Button, short Shift, long x, long y);
    // Key and mouse filtering ahead of the form's editors and grid; true
    // when the event is consumed.
    bool PreTranslateMessage(QObject* watched, QEvent* event);
    void OnKillFocusCellEdit();
    void OnKillFocusCellTone();
    void OnKillFocusCellOption();
    void OnMouseWheel(QWheelEvent* event);
    // Stores and closes the open editor, if there is one.
    void CommitOpenEditor();

public slots:
    void OnDeleteChannel();
    void OnAddChannel();
    void OnSelChangeModel();
    void OnSelChangeBand();
    void OnSelChangeVoxSwitch();

protected:
    void changeEvent(QEvent* event) override;

private:
    // One of the ten setting lists (program_view_layout.cpp).
    struct SettingList {
        QComboBox* CProgramView::*combo;
        const char* name;
        int droppedHeight;
        FormCombo field;
    };
    static const std::array<SettingList, kFormComboCount>& settingLists();
    WidgetFormControls::Combos settingCombos() const;

    void createControls();
    void createCellEditors();
    void layOutForm();
    void layOutSettings(const DialogUnits& du);
    QHBoxLayout* layOutChannelRow(const DialogUnits& du);
    std::vector<QWidget*> tabOrder() const;
    void placeHiddenEditors();
    void connectControls();
    void SetupGrid();
    void fitGridToTable();

    void connectCellEditing();
    void watchFormWindow();
    bool filterKeyPress(QObject* watched, QEvent& event);
    void filterFocusOut(QObject* watched, const QFocusEvent& focus);
    bool isRightPressOnEditField(QObject* watched, const QEvent& event) const;
    bool filterWheel(QObject* watched, QWheelEvent& wheel);
    bool filterGridKey(const QKeyEvent& key);
    bool filterEditorKey(QWidget* editor, const QKeyEvent& key);
    bool filterListKey(QComboBox* editor, const QKeyEvent& key);
    bool filterFrequencyEditor(QEvent* event);
    void postKey(int key);
    void showEditor(QWidget* editor, long row, long col);
    void closeEditor(QWidget* editor);

    CProgramDoc* m_pDocument;
    // The form's controls; the order they are reached in is tabOrder().
    QLineEdit* m_editPttIdCode = nullptr;
    QComboBox* m_comboPttId = nullptr;
    QComboBox* m_comboVoice = nullptr;
    QComboBox* m_comboVoxSwitch = nullptr;
    QComboBox* m_comboVoxGain = nullptr;
    QLineEdit* m_editCell = nullptr;          // in-place editor of the frequency columns, hidden
    QComboBox* m_comboCellTone = nullptr;     // in-place editor of the tone columns, hidden
    QComboBox* m_comboCellOption = nullptr;   // in-place editor of the option columns, hidden
    QComboBox* m_comboBand = nullptr;
    QComboBox* m_comboModel = nullptr;
    CMSFlexGrid* m_grid = nullptr;
    QComboBox* m_comboBatterySaver = nullptr;
    QComboBox* m_comboTot = nullptr;
    QComboBox* m_comboBeep = nullptr;
    QComboBox* m_comboSquelch = nullptr;
    QPushButton* m_buttonDelete = nullptr;
    QPushButton* m_buttonAdd = nullptr;
    QGroupBox* m_groupSetting = nullptr;

    // "Off", the CTCSS tones and the DCS codes, built once.
    QStringList m_toneList;
    // The way the progress dialog's OK will go.
    TransferDirection m_transferMode = TransferDirection::Read;
    bool m_bInitialised = false;

    PortSelection m_portSelection;
    std::unique_ptr<CProgressDialog> m_pProgressDlg;
    std::unique_ptr<WidgetFormControls> m_controls;

    GridCell currentCell() const;
    void restore(const std::optional<GridCell>& shown);
    // Stores an open editor and an edited PTT ID Code as the steps they are.
    void commitPendingEdits();
    void moveChannels(int by);
    void showPasteReport(const RowsPaste& paste);
    // The cell editor's text stored into its cell; the status bar tells of a
    // frequency stored other than as typed.
    void commitEditor(QWidget* editor, const QString& typed);

    std::unique_ptr<FormSession> m_session;
    bool m_bWideningSelection = false;

    // The cell the open editor stores into.
    long m_editRow = 0;
    long m_editCol = 0;
    bool m_bCommitting = false;

    // The controller keeps the form still while it transfers.
    friend class CTransferController;
    void SetTransferRunning(bool running);

    bool m_bTransferRunning = false;
    std::unique_ptr<CTransferController> m_transfers;
    // Declared last so that it stops filtering before any control goes away.
    std::unique_ptr<QObject> m_messageFilter;
};
