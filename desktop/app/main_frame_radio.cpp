// The Program and Port menus' commands: reading, writing and tracing the
// radio, the steps around a write, the kill code, and the choice of port.

#include "app/main_frame.h"
#include "app/main_frame_parts.h"

#include "app/dialog_result.h"
#include "app/find_cable_dialog.h"
#include "app/first_write_prompt.h"
#include "app/image_changes_dialog.h"
#include "app/impossible_values_prompt.h"
#include "app/kill_code_dialog.h"
#include "app/message_box.h"
#include "app/other_port_dialog.h"
#include "app/password_dialog.h"
#include "app/restore_offer.h"
#include "app/retry_prompt.h"
#include "app/trace_path_dialog.h"
#include "app/version_prompt_dialog.h"
#include "app/write_safety_settings.h"

#include "editor/program_view.h"
#include "document/core_text.h"
#include "document/display_path.h"
#include "link/open_status.h"
#include "port/port_report_text.h"
#include "port/port_system.h"
#include "port/trace_file.h"

#include <QAction>

#include <utility>

// The Program and Port menus; the write safety items start as last chosen.
void CMainFrame::ConnectProgramCommands()
{
    ConnectHandlers({
        {ID_PROGRAM_READ, &CMainFrame::OnProgramRead},
        {ID_PROGRAM_WRITE, &CMainFrame::OnProgramWrite},
        {ID_PROGRAM_FLEET, &CMainFrame::OnProgramFleet},
        {ID_PROGRAM_KILL_CODE, &CMainFrame::OnKillCode},
        {ID_PORT_FIND_CABLE, &CMainFrame::OnPortFindCable},
        {ID_PORT_OTHER, &CMainFrame::OnPortOther},
        {ID_PORT_SIMULATED, &CMainFrame::OnPortSimulated},
    });
    connect(CommandAction(ID_PROGRAM_TRACE), &QAction::triggered, this, &CMainFrame::OnProgramTrace);
    const WriteSafety safety = LoadWriteSafety();
    CommandAction(ID_PROGRAM_BACKUP_BEFORE_WRITE)->setChecked(safety.backUpBeforeWrite);
    CommandAction(ID_PROGRAM_PREVIEW_BEFORE_WRITE)->setChecked(safety.previewBeforeWrite);
    CommandAction(ID_PROGRAM_VERIFY_AFTER_WRITE)->setChecked(safety.verifyAfterWrite);
    m_pView->SetWriteSafety(safety);
    for (const int id : kWriteSafetyItems)
        ConnectHandlers({{id, &CMainFrame::OnWriteSafetyChanged}});
    for (const PortCommand& port : kPortCommands)
        ConnectHandlers({{port.id, port.handler}});
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
    m_pOtherPortDlg->Ask(m_pView->PortChoice().OtherPath());
}

// What keeps the chosen device from working goes under the system's reason,
// and so do the cables plugged in without a device file.
QString CMainFrame::WithCableDiagnosis(const QString& detail) const
{
    const QString diagnosis = OpenFailureDiagnosis(*m_portSystem, m_pView->PortChoice().ChosenDevice());
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
    m_pView->PortChoice().Refresh();
    UpdatePortItems();
}

// Each item shows the device it stands for; one check mark, on the choice.
void CMainFrame::UpdatePortItems()
{
    const PortSelection& ports = m_pView->PortChoice();
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
