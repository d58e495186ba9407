#include "app/main_frame.h"

#include "app/fleet_dialog.h"
#include "document/program_doc.h"
#include "editor/program_view.h"
#include "codec/frequency.h"
#include "port/fleet_cables.h"

// The form's image as Write stores it goes into every radio; the ports are
// those the Port menu and Find Cable know.
void CMainFrame::OnProgramFleet()
{
    m_pView->StoreToImage();
    FleetJobPlan plan;
    plan.image = m_doc.m_image;
    plan.file = m_doc.GetPathName();
    plan.band = {g_bandLow, g_bandHigh}; // the form's model, as Write takes it
    QStringList ports;
    for (const SerialDevice& device : m_portSystem->ReportedDevices())
        ports << device.path;
    CFleetDialog dialog(std::move(plan), DefaultFleetLogPath(m_doc.GetPathName()), ports,
                        AllCablePorts(*m_portSystem), this);
    dialog.exec();
}
