#include "cli/fleet_host.h"

#include "cli/interrupt.h"

#include "link/progress_text.h"

FleetHost::FleetHost(FleetBoard& board, std::size_t index, TransferDirection direction, int& retriesLeft, bool yes)
    : m_board(board), m_index(index), m_direction(direction), m_retriesLeft(retriesLeft), m_yes(yes)
{
}

bool FleetHost::CancelRequested()
{
    return m_cancelOnInterrupt && Interrupted();
}

void FleetHost::Progress(int steps)
{
    m_position += steps;
    const int percent = m_position * 100 / ProgressRange(m_direction);
    m_board.Update(m_index, [percent](FleetRadio& radio) { radio.percent = percent; });
}

void FleetHost::ShowStatus(const TransferStatus& status)
{
    m_board.Update(m_index, [status](FleetRadio& radio) { radio.status = status; });
}

void FleetHost::ShowMessage(const std::string& text)
{
    m_lastMessage = text;
}

RetryAnswer FleetHost::AskRetry(const std::string& text)
{
    m_lastMessage = text;
    if (m_retriesLeft <= 0)
        return RetryAnswer::Cancel;
    --m_retriesLeft;
    return RetryAnswer::Retry;
}

VersionAnswer FleetHost::AskVersion()
{
    m_versionRefused = !m_yes;
    return m_yes ? VersionAnswer::Continue : VersionAnswer::Cancel;
}
