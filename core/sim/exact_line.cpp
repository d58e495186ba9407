#include "exact_line.h"

#include <algorithm>
#include <utility>

SimTime ExactLine::Received(SimTime readAt)
{
    m_inputFree = (m_lineRate ? std::max(readAt, m_inputFree) : readAt) + kByteTime;
    return m_inputFree;
}

SimTime ExactLine::Sent(SimTime notBefore)
{
    m_outputFree = (m_lineRate ? std::max(notBefore, m_outputFree) : notBefore) + kByteTime;
    return m_outputFree;
}

void ExactLine::ReplyEnded(SimTime due, SimTime at)
{
    m_lateness += std::max(SimTime{0}, at - due);
}

SimTime ExactLine::TakeLateness()
{
    return std::exchange(m_lateness, SimTime{0});
}
