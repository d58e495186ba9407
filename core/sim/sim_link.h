#pragma once

#include "link/serial_link.h"
#include "sim/sim_clock.h"
#include "sim/simulated_radio.h"

#include <deque>

// The simulated radio behind the link interface, in the same process. The
// line is modelled at 9600 baud each way on the given clock: with a virtual
// clock a silent radio costs a test no real time, with a steady clock the
// program sees a radio as slow as a real one.
class SimLink final : public SerialLink {
public:
    SimLink(SimulatedRadio& radio, SimClock& clock) : m_radio(radio), m_clock(clock) {}

    // Always opens: the simulated radio needs no device.
    OpenStatus Open(const std::string& name) override;
    void Configure() override {}
    // Bytes already on their way to the radio cannot be called back; only the
    // input that has arrived is thrown away.
    void PurgeAll() override;
    void Clear() override;
    WriteResult Write(std::span<const std::uint8_t> bytes) override;
    ReadResult Read(std::size_t n) override;
    // Passes on the line's clock: no real time on a virtual one.
    void Sleep(std::chrono::milliseconds duration) override;
    void SleepAfterAnswer(std::chrono::milliseconds duration) override;
    void Close() override;

    bool isOpen() const { return m_open; }

private:
    struct Incoming {
        std::uint8_t byte;
        SimTime arrival;
    };

    void discardArrived();

    SimulatedRadio& m_radio;
    SimClock& m_clock;
    bool m_open = false;
    SimTime m_outputFree{0};
    SimTime m_inputFree{0};
    std::deque<Incoming> m_input;
    SimTime m_answeredAt{-1}; // when the last byte a read took came in
};
