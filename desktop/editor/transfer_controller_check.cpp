// Checking the cable from the Port menu: the progress dialog's OK reads the
// radio twice through the same transfer machinery as Read, and the frame is
// handed what the two reads showed. Neither read goes into the form or the
// document, so the check never changes what the user is editing.

#include "editor/transfer_controller.h"

#include "document/core_text.h"

#include "editor/desktop_transfer_host.h"
#include "editor/program_view.h"
#include "editor/progress_dialog.h"
#include "editor/progress_paint_link.h"

#include "link/cable_check.h"
#include "link/progress_text.h"
#include "link/transfer_status.h"
#include "port/trace_file.h"

#include <memory>
#include <utility>

namespace {

// The desktop's host, with the bar starting again from 0 for the second read:
// a wait for the radio after blocks have been read is the second read's
// wake-up.
class CheckProgressHost final : public TransferHost {
public:
    CheckProgressHost(CDesktopTransferHost& host, CProgressDialog& dialog, QString caption, QString secondDoing)
        : m_host(host), m_dialog(dialog), m_caption(std::move(caption)), m_secondDoing(std::move(secondDoing))
    {
    }

    void DispatchOne() override { m_host.DispatchOne(); }
    bool CancelRequested() override { return m_host.CancelRequested(); }
    void Progress(int steps) override
    {
        m_steps += steps;
        m_host.Progress(steps);
    }
    void ShowStatus(const TransferStatus& status) override
    {
        if (status.stage == TransferStatus::Stage::WaitingForRadio && m_steps > 0) {
            m_steps = 0;
            m_dialog.BeginNextTransfer(m_caption, ProgressRange(TransferDirection::Read));
            m_dialog.SetDoingText(m_secondDoing);
        }
        m_host.ShowStatus(status);
    }
    void ShowMessage(const std::string& text) override { m_host.ShowMessage(text); }
    RetryAnswer AskRetry(const std::string& text) override { return m_host.AskRetry(text); }
    VersionAnswer AskVersion() override { return m_host.AskVersion(); }

private:
    CDesktopTransferHost& m_host;
    CProgressDialog& m_dialog;
    const QString m_caption;
    const QString m_secondDoing;
    int m_steps = 0;
};

} // namespace

// As Read and Write: the dialog waits for OK, and a dialog already waiting
// takes the check's caption instead.
void CTransferController::ChooseCableCheck()
{
    m_checkingCable = true;
    m_dialog.m_strTitle = CProgramView::tr("Check Cable");
    const QString doing = CProgramView::tr("OK reads the radio twice and compares the reads.");
    if (!m_dialog.IsWindowCreated()) {
        m_dialog.Create();
        m_dialog.SetDoingText(doing);
        return;
    }
    if (m_dialog.IsArmed()) {
        m_dialog.SetCaption(m_dialog.m_strTitle);
        m_dialog.SetDoingText(doing);
    }
}

// A check the user stopped has nothing to report; a port that would not open
// is said as for any transfer.
void CTransferController::checkCable()
{
    m_view.CommitOpenEditor();
    m_view.SetTransferRunning(true);
    const PortTarget target = m_view.m_portSelection.TargetForTransfer();
    const QString port = QString::fromStdString(StatusPortName(target.name, target.device));
    m_dialog.SetRange(ProgressRange(TransferDirection::Read));
    m_dialog.SetDoingText(CProgramView::tr("Reading the radio, first time…"));
    m_dialog.SetPercentText(QString::fromStdString(ProgressPercentText(0, ProgressRange(TransferDirection::Read))));

    CDesktopTransferHost desktop(m_dialog, m_prompts, port);
    CheckProgressHost host(desktop, m_dialog, m_dialog.m_strTitle, CProgramView::tr("Reading the radio, second time…"));
    CableCheck check(ports(), host);
    check.TraceInto(m_trace.get());
    check.WrapLink([this](SerialLink& link) { return std::make_unique<CProgressPaintLink>(link, m_dialog); });
    const CableCheckReport report = check.Run(target);
    saveTrace();

    m_dialog.DestroyWindow();
    m_view.SetTransferRunning(false);
    if (report.first.reason == FailureReason::OpenFailed) {
        if (m_prompts.showMessage)
            m_prompts.showMessage(CoreText(OpenFailedMessage()),
                                  QString::fromStdString(check.OpenFailureText(port.toStdString())));
    } else if (!report.cancelled()) {
        emit m_view.CableChecked(QString::fromStdString(CableCheckText(report, CoreTextUtf8)));
    }
}
