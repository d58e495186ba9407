#include "port/system_ports.h"

#include "sim/demo_image.h"

namespace {

std::unique_ptr<SimClock> clockFor(SystemPorts::SimulatedTime time)
{
    if (time == SystemPorts::SimulatedTime::Virtual)
        return std::make_unique<VirtualClock>();
    return std::make_unique<SteadyClock>();
}

} // namespace

SystemPorts::SystemPorts(SimulatedTime time) : m_clock(clockFor(time)) {}

SystemPorts::~SystemPorts() = default;

SerialLink& SystemPorts::LinkFor(const PortTarget& target)
{
    if (!target.simulated)
        return m_serial;
    if (!m_simLink) {
        m_radio = std::make_unique<SimulatedRadio>(DemoRadioImage());
        m_simLink = std::make_unique<SimLink>(*m_radio, *m_clock);
    }
    return *m_simLink;
}
