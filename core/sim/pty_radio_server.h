#pragma once

#include "sim/exact_line.h"
#include "sim/simulated_radio.h"

#include <chrono>
#include <deque>
#include <functional>
#include <string>

// Puts the simulated radio at the far end of a pseudo-terminal, so that a
// program opens its device path as it would open a serial port. With line-rate
// emulation every byte takes as long as at 9600 baud in each direction, so a
// transfer lasts as long as with a real radio; without it a request and its
// answer each cost one byte time, however long they are (ExactLine).
class PtyRadioServer {
public:
    PtyRadioServer(SimulatedRadio& radio, bool lineRate) : m_radio(radio), m_line(lineRate) {}
    ~PtyRadioServer();
    PtyRadioServer(const PtyRadioServer&) = delete;
    PtyRadioServer& operator=(const PtyRadioServer&) = delete;

    // Creates the pseudo-terminal; false with the reason in error().
    [[nodiscard]] bool Open();
    const std::string& devicePath() const { return m_devicePath; }
    const std::string& error() const { return m_error; }

    // Answers whoever opens the device, one program after another, until
    // Stop(). false with the reason in error() when the terminal fails.
    [[nodiscard]] bool Serve();
    // Safe to call from another thread or from a signal handler.
    void Stop();
    // What the radio saw of the line since the last report: how late its
    // answers went out (ExactLine) and, on the system's steady clock, when
    // it read the first byte and wrote the last, so that a measurement can
    // line the program's process up with the line.
    struct Report {
        SimTime lateness{0};
        std::chrono::steady_clock::time_point firstIn{};
        std::chrono::steady_clock::time_point lastOut{};
    };
    // Has Serve() hand the report to ReportTo's function. As safe as Stop().
    void RequestReport();
    void ReportTo(std::function<void(const Report&)> report) { m_onReport = std::move(report); }

private:
    struct Outgoing {
        std::uint8_t byte;
        SimTime due;
    };

    SimTime now() const;
    [[nodiscard]] bool receive();
    [[nodiscard]] bool sendDue();
    int waitForWork(struct pollfd* fds) const;
    [[nodiscard]] bool stopRequested();
    void fail(const char* what);

    SimulatedRadio& m_radio;
    ExactLine m_line;
    std::function<void(const Report&)> m_onReport;
    Report m_report;
    int m_master = -1;
    int m_slave = -1;
    int m_stopPipe[2] = {-1, -1};
    std::string m_devicePath;
    std::string m_error;
    SteadyClock m_clock;
    std::deque<Outgoing> m_outgoing;
};
