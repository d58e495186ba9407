#include "cli/fleet_screen.h"

#include "cli/fleet_report.h"

#include <cstdio>

namespace {

QString statusText(const FleetRadio& radio)
{
    return QString::fromStdString(TransferStatusText(radio.status, radio.port.toStdString()));
}

// What a plain line says: the step and its stage, not each block.
QString plainLine(const FleetRadio& radio)
{
    if (radio.end != FleetEnd::Pending)
        return radio.port + QStringLiteral(": ") + FleetResultText(radio);
    if (radio.step.isEmpty())
        return {};
    const bool moving = radio.status.stage == TransferStatus::Stage::Block;
    return radio.port + QStringLiteral(": ") + radio.step +
           (moving ? QString() : QStringLiteral(": ") + statusText(radio));
}

} // namespace

QString FleetLiveLine(const FleetRadio& radio)
{
    QString line = radio.port;
    if (!radio.radio.isEmpty())
        line += QStringLiteral("  ") + radio.radio;
    if (radio.end != FleetEnd::Pending)
        return line + QStringLiteral("  ") + FleetResultText(radio);
    if (radio.step.isEmpty())
        return line;
    return line + QStringLiteral("  %1  %2  %3%").arg(radio.step, statusText(radio)).arg(radio.percent);
}

QString FleetNextRadioLine(const FleetRadio& radio)
{
    QString result = FleetResultText(radio);
    if (radio.verifyAsked)
        result += radio.verified ? QStringLiteral(", verified") : QStringLiteral(", verify FAILED");
    return QStringLiteral("%1: %2: %3 \u2014 done \u2014 next radio").arg(radio.port, radio.radio, result);
}

void FleetScreen::Show(const std::vector<FleetRadio>& radios, const std::vector<FleetRadio>& done)
{
    if (m_terminal && m_linesShown > 0)
        std::fprintf(stderr, "\x1b[%dA", m_linesShown);
    m_linesShown = 0;
    addDoneLines(done);
    if (m_terminal)
        redraw(radios);
    else
        addChangedLines(radios);
    std::fflush(stderr);
}

// Above the ports' lines, which move down under them.
void FleetScreen::addDoneLines(const std::vector<FleetRadio>& done)
{
    for (; m_doneShown < done.size(); ++m_doneShown)
        std::fprintf(stderr, "%s%s\n", m_terminal ? "\r\x1b[K" : "",
                     FleetNextRadioLine(done[m_doneShown]).toLocal8Bit().constData());
}

// Each line cleared and written anew where the last ones were.
void FleetScreen::redraw(const std::vector<FleetRadio>& radios)
{
    for (const FleetRadio& radio : radios)
        std::fprintf(stderr, "\r\x1b[K%s\n", FleetLiveLine(radio).toLocal8Bit().constData());
    m_linesShown = static_cast<int>(radios.size());
}

void FleetScreen::addChangedLines(const std::vector<FleetRadio>& radios)
{
    m_plainShown.resize(radios.size());
    for (std::size_t i = 0; i < radios.size(); ++i) {
        const QString line = plainLine(radios[i]);
        if (line.isEmpty() || line == m_plainShown[i])
            continue;
        m_plainShown[i] = line;
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    }
}
