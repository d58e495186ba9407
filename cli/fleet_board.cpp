#include "cli/fleet_board.h"

#include <algorithm>

std::size_t FleetBoard::Add(FleetRadio radio)
{
    std::size_t index = 0;
    {
        const std::lock_guard lock(m_mutex);
        index = m_radios.size();
        m_radios.push_back(std::move(radio));
        ++m_version;
    }
    m_changed.notify_all();
    return index;
}

void FleetBoard::Wake()
{
    {
        const std::lock_guard lock(m_mutex);
        ++m_version;
    }
    m_changed.notify_all();
}

std::vector<FleetRadio> FleetBoard::Radios() const
{
    const std::lock_guard lock(m_mutex);
    return m_radios;
}

void FleetBoard::Update(std::size_t index, const std::function<void(FleetRadio&)>& change)
{
    {
        const std::lock_guard lock(m_mutex);
        change(m_radios.at(index));
        ++m_version;
    }
    m_changed.notify_all();
}

std::vector<FleetRadio> FleetBoard::WaitForChange()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_version != m_seen; });
    m_seen = m_version;
    return m_radios;
}

FleetRadio FleetBoard::Radio(std::size_t index) const
{
    const std::lock_guard lock(m_mutex);
    return m_radios.at(index);
}

void FleetBoard::NextRadio(std::size_t index)
{
    {
        const std::lock_guard lock(m_mutex);
        FleetRadio& radio = m_radios.at(index);
        m_done.push_back(radio);
        radio = FleetRadio{.port = radio.port, .cableSerial = radio.cableSerial};
        ++m_version;
    }
    m_changed.notify_all();
}

std::vector<FleetRadio> FleetBoard::Done() const
{
    const std::lock_guard lock(m_mutex);
    return m_done;
}

bool AllEnded(const std::vector<FleetRadio>& radios)
{
    return std::all_of(radios.begin(), radios.end(), [](const FleetRadio& r) { return r.finished; });
}
