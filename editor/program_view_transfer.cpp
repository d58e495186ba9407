// Reading the radio into the form and writing the form into the radio. A
// command opens the progress dialog; its OK starts the transfer, which runs
// here on the user-interface thread and keeps the window alive through the
// polls of the transfer engine.

#include "editor/program_view.h"

#include "editor/desktop_transfer_host.h"
#include "editor/progress_dialog.h"
#include "editor/progress_paint_link.h"

#include "codec/frequency.h"
#include "grid/ms_flex_grid.h"
#include "document/core_text.h"
#include "document/program_doc.h"
#include "link/progress_text.h"
#include "link/transfer_session.h"
#include "link/transfer_status.h"
#include "port/system_ports.h"
#include "port/trace_file.h"

#include <QGroupBox>
#include <QPushButton>

#include <utility>

void CProgramView::OnProgramRead()
{
    ChooseTransfer(TransferDirection::Read, tr("Read Data"));
}

void CProgramView::OnProgramWrite()
{
    ChooseTransfer(TransferDirection::Write, tr("Write Data"));
}

// While the dialog waits for OK the caption says which way OK will go; a
// running transfer keeps its caption, as its direction was taken at the start.
void CProgramView::ChooseTransfer(TransferDirection direction, const QString& title)
{
    m_transferMode = direction;
    m_checkingCable = false;
    m_pProgressDlg->m_strTitle = title;
    const QString doing = direction == TransferDirection::Read ? tr("OK reads the radio into the form.")
                                                               : tr("OK writes the form into the radio.");
    if (!m_pProgressDlg->IsWindowCreated()) {
        m_pProgressDlg->Create();
        m_pProgressDlg->SetDoingText(doing);
        return;
    }
    if (m_pProgressDlg->IsArmed()) {
        m_pProgressDlg->SetCaption(title);
        m_pProgressDlg->SetDoingText(doing);
    }
}

void CProgramView::OnStartTransfer()
{
    if (m_bTransferRunning || !m_pProgressDlg->IsWindowCreated())
        return;
    if (m_checkingCable) {
        CheckCable();
        return;
    }
    const TransferDirection direction = m_transferMode;
    if (direction == TransferDirection::Write)
        StoreToImage();
    else
        CommitOpenEditor();
    SetTransferRunning(true);

    const TransferResult result = direction == TransferDirection::Read ? ReadRadio() : WriteRadio();

    m_pProgressDlg->DestroyWindow();
    SetTransferRunning(false);
    if (direction == TransferDirection::Read && result == TransferResult::Completed)
        LoadFromImage();
    if (!m_statusAfterTransfer.isEmpty())
        emit StatusMessage(std::exchange(m_statusAfterTransfer, QString()));
}

// The engine closes the port at every end. A read replaces the image only
// once every block is in, so a failed or cancelled read leaves it as it was,
// like the form. The band a write is checked against is the one the form
// shows. A radio left half written is the caller's to report.
CProgramView::TransferOutcome CProgramView::RunTransfer(TransferDirection direction, RadioImage& image)
{
    const PortTarget target = m_portSelection.TargetForTransfer();
    const QString port = QString::fromStdString(StatusPortName(target.name, target.device));
    m_pProgressDlg->SetRange(ProgressRange(direction));
    m_pProgressDlg->SetDoingText(direction == TransferDirection::Read ? tr("Reading the radio…")
                                                                      : tr("Writing into the radio…"));
    m_pProgressDlg->SetPercentText(QString::fromStdString(ProgressPercentText(0, ProgressRange(direction))));

    CDesktopTransferHost host(*m_pProgressDlg, m_prompts, port);
    TransferSession session(Ports(), host);
    session.TraceInto(m_trace.get());
    session.WrapLink([this](SerialLink& link) { return std::make_unique<CProgressPaintLink>(link, *m_pProgressDlg); });
    const TransferResult result = session.Run(target, direction, image, BandLimits{g_bandLow, g_bandHigh});
    saveTrace();

    if (m_prompts.showMessage && result.reason == FailureReason::OpenFailed)
        m_prompts.showMessage(CoreText(OpenFailedMessage()),
                              QString::fromStdString(session.OpenFailureText(port.toStdString())));
    return {result, session.LeftPartlyWritten()};
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

// The simulated radio answers as slowly as a real one, so that what the
// user sees of a transfer is what a radio gives.
TransferPorts& CProgramView::Ports()
{
    if (m_pPorts)
        return *m_pPorts;
    if (!m_systemPorts)
        m_systemPorts = std::make_unique<SystemPorts>(SystemPorts::SimulatedTime::Wall);
    return *m_systemPorts;
}

void CProgramView::SetTransferPorts(TransferPorts* ports)
{
    m_pPorts = ports;
}

void CProgramView::SetTrace(std::unique_ptr<TraceFile> trace)
{
    m_trace = std::move(trace);
}

// A trace that can no longer be written is said once and then given up, so
// that the transfers go on untraced rather than each failing again.
void CProgramView::saveTrace()
{
    if (!m_trace || m_trace->Save())
        return;
    if (m_prompts.showMessage)
        m_prompts.showMessage(TraceFailedText(m_trace->path()), m_trace->errorString());
    m_trace.reset();
    emit TraceStopped();
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
