#pragma once

#include "link/transfer_status.h"

#include <QString>

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <vector>

// How one radio of a fleet run ended.
enum class FleetEnd { Pending, Written, Failed, OtherModel, Cancelled };

// One port of a fleet run: where its transfers stand while they run, and
// what became of its radio.
struct FleetRadio {
    QString port = {};          // as the user gave it
    QString cableSerial = {};   // the USB adapter's serial number, empty where none is known
    QString step = {};          // "reading", "writing", "verifying"
    TransferStatus status = {};
    int percent = 0;

    QString radio = {};         // the range the radio reported: "136-174 MHz"
    FleetEnd end = FleetEnd::Pending;
    QString reason = {};        // why it failed, for the user
    bool verifyAsked = false;
    bool verified = false;
    bool keptRadioData = false;
    bool partlyWritten = false;
    QString backup = {};
    double seconds = 0;
    bool logFailed = false; // its row could not be appended to the log
    bool finished = false;  // the port's thread has ended
};

// The ports of a fleet run, shared between the threads that program the
// radios and the one that shows them.
class FleetBoard {
public:
    explicit FleetBoard(std::vector<FleetRadio> radios) : m_radios(std::move(radios)) {}

    // A port that came during the run; its index.
    [[nodiscard]] std::size_t Add(FleetRadio radio);
    // Wakes whoever waits for a change, with nothing changed: to look again
    // after Ctrl+C.
    void Wake();
    [[nodiscard]] std::vector<FleetRadio> Radios() const;
    // Changes radio index and wakes whoever waits for a change.
    void Update(std::size_t index, const std::function<void(FleetRadio&)>& change);
    // The radios once something has changed since the last call (at once on
    // the first).
    [[nodiscard]] std::vector<FleetRadio> WaitForChange();
    [[nodiscard]] FleetRadio Radio(std::size_t index) const;
    // --watch: the radio on port index has ended; it joins the radios done
    // and the port waits for the next one.
    void NextRadio(std::size_t index);
    // The radios ended on ports that went on, in the order they ended.
    [[nodiscard]] std::vector<FleetRadio> Done() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<FleetRadio> m_radios;
    std::vector<FleetRadio> m_done;
    unsigned m_version = 1;
    unsigned m_seen = 0;
};

// Whether every port's thread has ended.
[[nodiscard]] bool AllEnded(const std::vector<FleetRadio>& radios);
