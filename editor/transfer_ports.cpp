#include "editor/transfer_ports.h"

#include "sim/demo_image.h"

#include <chrono>
#include <thread>

SerialLink& CSystemPorts::LinkFor(const PortTarget& target)
{
    if (!target.simulated)
        return m_serial;
    if (!m_simLink) {
        m_radio = std::make_unique<SimulatedRadio>(DemoRadioImage());
        m_simLink = std::make_unique<SimLink>(*m_radio, m_clock);
    }
    return *m_simLink;
}

void CSystemPorts::Pause(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
