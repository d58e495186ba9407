#pragma once

#include "link/port_selection.h"
#include "link/qt_serial_link.h"
#include "link/serial_link.h"
#include "sim/sim_clock.h"
#include "sim/sim_link.h"
#include "sim/simulated_radio.h"

#include <memory>

// Where the desktop program's transfers go, and the clock their pauses run on.
class CTransferPorts {
public:
    virtual ~CTransferPorts() = default;

    // The link that reaches target, still closed. It stays valid until the
    // next call; only one transfer runs at a time.
    virtual SerialLink& LinkFor(const PortTarget& target) = 0;
    // A pause of the transfer, on the clock of the link in use.
    virtual void Pause(int milliseconds) = 0;
};

// The system's serial devices, and the built-in simulated radio answering as
// slowly as a real one on the wall clock. The radio starts with the
// demonstration memory and keeps its memory for the life of the program, so
// that what is written to it can be read back.
class CSystemPorts final : public CTransferPorts {
public:
    CSystemPorts() = default;

    SerialLink& LinkFor(const PortTarget& target) override;
    void Pause(int milliseconds) override;

private:
    QtSerialLink m_serial;
    SteadyClock m_clock;
    std::unique_ptr<SimulatedRadio> m_radio;
    std::unique_ptr<SimLink> m_simLink;
};
