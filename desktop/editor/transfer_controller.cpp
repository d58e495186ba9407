// Reading the radio into the form and writing the form into the radio. A
// command opens the progress dialog; its OK starts the transfer, which runs
// here on the user-interface thread and keeps the window alive through the
// polls of the transfer engine.

#include "editor/transfer_controller.h"

#include "editor/desktop_transfer_host.h"
#include "editor/program_view.h"
#include "editor/progress_dialog.h"
#include "editor/progress_paint_link.h"

#include "codec/frequency.h"
#include "document/core_text.h"
#include "document/program_doc.h"
#include "link/progress_text.h"
#include "link/transfer_session.h"
#include "link/transfer_status.h"
#include "port/system_ports.h"
#include "port/trace_file.h"

#include <utility>

CTransferController::CTransferController(CProgramView& view, CProgressDialog& dialog) : m_view(view), m_dialog(dialog)
{
}

CTransferController::~CTransferController() = default;

// While the dialog waits for OK the caption says which way OK will go; a
// running transfer keeps its caption, as its direction was taken at the start.
void CTransferController::ChooseTransfer(TransferDirection direction, const QString& title)
{
    m_view.m_transferMode = direction;
    m_checkingCable = false;
    m_dialog.m_strTitle = title;
    const QString doing = direction == TransferDirection::Read ? CProgramView::tr("OK reads the radio into the form.")
                                                               : CProgramView::tr("OK writes the form into the radio.");
    if (!m_dialog.IsWindowCreated()) {
        m_dialog.Create();
        m_dialog.SetDoingText(doing);
        return;
    }
    if (m_dialog.IsArmed()) {
        m_dialog.SetCaption(title);
        m_dialog.SetDoingText(doing);
    }
}

void CTransferController::Start()
{
    if (m_view.IsTransferRunning() || !m_dialog.IsWindowCreated())
        return;
    if (m_checkingCable) {
        checkCable();
        return;
    }
    const TransferDirection direction = m_view.m_transferMode;
    if (direction == TransferDirection::Write)
        m_view.StoreToImage();
    else
        m_view.CommitOpenEditor();
    m_view.SetTransferRunning(true);

    const TransferResult result = direction == TransferDirection::Read ? readRadio() : writeRadio();

    m_dialog.DestroyWindow();
    m_view.SetTransferRunning(false);
    if (direction == TransferDirection::Read && result == TransferResult::Completed)
        m_view.LoadFromImage();
    if (!m_statusAfterTransfer.isEmpty())
        emit m_view.StatusMessage(std::exchange(m_statusAfterTransfer, QString()));
}

// The engine closes the port at every end. A read replaces the image only
// once every block is in, so a failed or cancelled read leaves it as it was,
// like the form. The band a write is checked against is the one the form
// shows.
WriteStepResult CTransferController::run(TransferDirection direction, RadioImage& image)
{
    const PortTarget target = m_view.m_portSelection.TargetForTransfer();
    const QString port = QString::fromStdString(StatusPortName(target.name, target.device));
    m_dialog.SetRange(ProgressRange(direction));
    m_dialog.SetDoingText(direction == TransferDirection::Read ? CProgramView::tr("Reading the radio…")
                                                               : CProgramView::tr("Writing into the radio…"));
    m_dialog.SetPercentText(QString::fromStdString(ProgressPercentText(0, ProgressRange(direction))));

    CDesktopTransferHost host(m_dialog, m_prompts, port);
    TransferSession session(ports(), host);
    session.TraceInto(m_trace.get());
    session.WrapLink([this](SerialLink& link) { return std::make_unique<CProgressPaintLink>(link, m_dialog); });
    const TransferResult result = session.Run(target, direction, image, BandLimits{g_bandLow, g_bandHigh});
    saveTrace();

    if (m_prompts.showMessage && result.reason == FailureReason::OpenFailed)
        m_prompts.showMessage(CoreText(OpenFailedMessage()),
                              QString::fromStdString(session.OpenFailureText(port.toStdString())));
    return {result, session.LeftPartlyWritten()};
}

// The simulated radio answers as slowly as a real one, so that what the
// user sees of a transfer is what a radio gives.
TransferPorts& CTransferController::ports()
{
    if (m_pPorts)
        return *m_pPorts;
    if (!m_systemPorts)
        m_systemPorts = std::make_unique<SystemPorts>(SystemPorts::SimulatedTime::Wall);
    return *m_systemPorts;
}

void CTransferController::SetTrace(std::unique_ptr<TraceFile> trace)
{
    m_trace = std::move(trace);
}

// A trace that can no longer be written is said once and then given up, so
// that the transfers go on untraced rather than each failing again.
void CTransferController::saveTrace()
{
    if (!m_trace || m_trace->Save())
        return;
    if (m_prompts.showMessage)
        m_prompts.showMessage(TraceFailedText(m_trace->path()),
                              m_trace->errorString());
    m_trace.reset();
    emit m_view.TraceStopped();
}
