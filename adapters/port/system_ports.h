#pragma once

#include "link/transfer_session.h"
#include "port/qt_serial_link.h"
#include "sim/sim_clock.h"
#include "sim/sim_link.h"
#include "sim/simulated_radio.h"

#include <memory>

// The system's serial devices, and the built-in simulated radio on the clock
// the program chooses: the wall clock, to answer as slowly as a real radio,
// or a virtual clock that costs no real time. The radio starts with the
// demonstration memory and keeps its memory for the life of this object, so
// that what is written to it can be read back.
class SystemPorts final : public TransferPorts {
public:
    enum class SimulatedTime { Wall, Virtual };

    explicit SystemPorts(SimulatedTime time);
    ~SystemPorts() override;
    SystemPorts(const SystemPorts&) = delete;
    SystemPorts& operator=(const SystemPorts&) = delete;

    SerialLink& LinkFor(const PortTarget& target) override;

private:
    QtSerialLink m_serial;
    std::unique_ptr<SimClock> m_clock;
    std::unique_ptr<SimulatedRadio> m_radio;
    std::unique_ptr<SimLink> m_simLink;
};
