// The Program and Port menus' commands of the form: the transfers themselves
// are the transfer controller's.

#include "editor/program_view.h"

#include "editor/transfer_controller.h"

#include "grid/ms_flex_grid.h"
#include "port/trace_file.h"

#include <QGroupBox>
#include <QPushButton>

void CProgramView::OnProgramRead()
{
    m_transfers->ChooseTransfer(TransferDirection::Read, tr("Read Data"));
}

void CProgramView::OnProgramWrite()
{
    m_transfers->ChooseTransfer(TransferDirection::Write, tr("Write Data"));
}

void CProgramView::OnPortCheckCable()
{
    m_transfers->ChooseCableCheck();
}

void CProgramView::OnStartTransfer()
{
    m_transfers->Start();
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

void CProgramView::SetTransferPorts(TransferPorts* ports)
{
    m_transfers->SetPorts(ports);
}

void CProgramView::SetTrace(std::unique_ptr<TraceFile> trace)
{
    m_transfers->SetTrace(std::move(trace));
}

bool CProgramView::IsTracing() const
{
    return m_transfers->IsTracing();
}

void CProgramView::SetTransferPrompts(TransferPrompts prompts)
{
    m_transfers->SetPrompts(std::move(prompts));
}

void CProgramView::SetWriteSafety(const WriteSafety& safety)
{
    m_transfers->SetWriteSafety(safety);
}

void CProgramView::SetKeepBackups(bool keep)
{
    m_transfers->SetKeepBackups(keep);
}

std::optional<RadioImage> CProgramView::LastKnownRadio(const RadioImage& sameModelAs) const
{
    return m_transfers->LastKnownRadio(sameModelAs);
}

// Choosing a port changes only the name and what the next transfer opens; a
// transfer already running keeps the port it opened.
void CProgramView::OnPortCom(int number)
{
    m_portSelection.ChooseNumbered(number);
}

void CProgramView::OnPortOther(const QString& path)
{
    m_portSelection.ChooseOther(path);
}

void CProgramView::OnPortSimulated()
{
    m_portSelection.ChooseSimulated();
}
