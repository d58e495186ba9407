#pragma once

#include "cli/fleet_board.h"

#include <QString>

#include <vector>

// A fleet run as it goes, on standard error. On a terminal every port has a
// line of its own, rewritten in place (port, radio, step, block, percent);
// elsewhere a plain line is added each time a port moves to another step, so
// that a log of the run stays readable.
class FleetScreen {
public:
    explicit FleetScreen(bool terminal) : m_terminal(terminal) {}

    // done: the radios --watch has finished with, each told once.
    void Show(const std::vector<FleetRadio>& radios, const std::vector<FleetRadio>& done);

private:
    void addDoneLines(const std::vector<FleetRadio>& done);
    void redraw(const std::vector<FleetRadio>& radios);
    void addChangedLines(const std::vector<FleetRadio>& radios);

    const bool m_terminal;
    int m_linesShown = 0;
    std::size_t m_doneShown = 0;
    std::vector<QString> m_plainShown;
};

// "/dev/ttyUSB0: HM-615V (136-174 MHz): written, verified — done — next radio".
[[nodiscard]] QString FleetNextRadioLine(const FleetRadio& radio);

// "/dev/ttyUSB0  HM-615V (136-174 MHz)  writing  Block 40 of 122  33%".
[[nodiscard]] QString FleetLiveLine(const FleetRadio& radio);
