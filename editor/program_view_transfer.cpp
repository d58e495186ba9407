// Reading the radio into the form and writing the form into the radio. A
// command opens the progress dialog; its OK starts the transfer, which runs
// here on the user-interface thread and keeps the window alive through the
// polls of the transfer engine.

#include "editor/program_view.h"

#include "editor/desktop_transfer_host.h"
#include "editor/progress_dialog.h"
#include "editor/progress_paint_link.h"
#include "editor/transfer_ports.h"

#include "codec/frequency.h"
#include "grid/ms_flex_grid.h"
#include "document/program_doc.h"
#include "link/open_failure_detail.h"
#include "link/partial_write.h"
#include "link/progress_text.h"
#include "link/transfer_protocol.h"
#include "link/transfer_status.h"

#include <QGroupBox>
#include <QPushButton>

void CProgramView::OnProgramRead()
{
    ChooseTransfer(0, tr("Read Data"));
}

void CProgramView::OnProgramWrite()
{
    ChooseTransfer(1, tr("Write Data"));
}

// While the dialog waits for OK the caption says which way OK will go; a
// running transfer keeps its caption, as its direction was taken at the start.
void CProgramView::ChooseTransfer(int mode, const QString& title)
{
    m_transferMode = mode;
    m_pProgressDlg->m_strTitle = title;
    if (!m_pProgressDlg->IsWindowCreated()) {
        m_pProgressDlg->Create();
        return;
    }
    if (m_pProgressDlg->IsArmed())
        m_pProgressDlg->SetCaption(title);
}

void CProgramView::OnStartTransfer()
{
    if (m_bTransferRunning || !m_pProgressDlg->IsWindowCreated())
        return;
    const TransferDirection direction =
        m_transferMode == 1 ? TransferDirection::Write : TransferDirection::Read;
    m_pProgressDlg->SetRange(ProgressRange(direction));
    if (direction == TransferDirection::Write)
        StoreToImage();
    else
        CommitOpenEditor();
    SetTransferRunning(true);

    const TransferResult result = RunTransfer(direction);

    m_pProgressDlg->DestroyWindow();
    SetTransferRunning(false);
    if (direction == TransferDirection::Read && result == TransferResult::Completed)
        LoadFromImage();
}

// The engine closes the port at every end. A read replaces the document's
// image only once every block is in, so a failed or cancelled read leaves the
// document as it was, like the form.
TransferResult CProgramView::RunTransfer(TransferDirection direction)
{
    const PortTarget target = m_portSelection.TargetForTransfer();
    CTransferPorts& ports = TransferPorts();
    SerialLink& link = ports.LinkFor(target);
    const OpenStatus opened = target.simulated || !target.device.isEmpty()
        ? link.Open(target.device)
        : OpenStatus::Failed(OpenFailure::MissingDevice, tr("no serial device stands for this port"));
    if (!opened.ok()) {
        if (m_prompts.showMessage)
            m_prompts.showMessage(OpenFailedMessage(), OpenFailureDetail(target.name, target.device, opened));
        return TransferResult::Failed;
    }
    link.Configure();
    m_pProgressDlg->SetPercentText(ProgressPercentText(0, ProgressRange(direction)));

    CDesktopTransferHost host(*m_pProgressDlg, m_prompts, ports, StatusPortName(target.name, target.device));
    CProgressPaintLink painting(link, *m_pProgressDlg);
    TransferProtocol protocol(painting, host);
    const TransferResult result = protocol.Run(direction, GetDocument()->m_image, BandLimits{g_bandLow, g_bandHigh});
    // A write that stopped after its first block, failed or cancelled, has
    // left the radio with neither the old memory nor the new.
    if (direction == TransferDirection::Write && result != TransferResult::Completed &&
        protocol.BlocksWritten() > 0 && m_prompts.showMessage)
        m_prompts.showMessage(PartlyWrittenWarning(), QString());
    return result;
}

// Nothing the transfer works on may change under it: the settings (a model
// chosen during the wake-up would change the band the radio is checked
// against), the channels, and, in the frame, the document.
void CProgramView::SetTransferRunning(bool running)
{
    m_bTransferRunning = running;
    m_groupSetting->setEnabled(!running);
    m_buttonDelete->setEnabled(!running);
    m_buttonAdd->setEnabled(!running);
    m_grid->setEnabled(!running);
    emit TransferRunningChanged(running);
}

CTransferPorts& CProgramView::TransferPorts()
{
    if (m_pPorts)
        return *m_pPorts;
    if (!m_systemPorts)
        m_systemPorts = std::make_unique<CSystemPorts>();
    return *m_systemPorts;
}

void CProgramView::SetTransferPorts(CTransferPorts* ports)
{
    m_pPorts = ports;
}

void CProgramView::SetTransferPrompts(TransferPrompts prompts)
{
    m_prompts = std::move(prompts);
}

// Choosing a port changes only the name and what the next transfer opens; a
// transfer already running keeps the port it opened.
void CProgramView::OnPortCom(int number)
{
    m_portSelection.ChooseNumbered(number);
    m_strPort = m_portSelection.Name();
}

void CProgramView::OnPortOther(const QString& path)
{
    m_portSelection.ChooseOther(path);
    m_strPort = m_portSelection.Name();
}

void CProgramView::OnPortSimulated()
{
    m_portSelection.ChooseSimulated();
    m_strPort = m_portSelection.Name();
}
