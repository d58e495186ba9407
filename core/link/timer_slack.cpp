#include "timer_slack.h"

#if defined(__linux__)
#include <sys/prctl.h>
#endif

FineTimerSlack::FineTimerSlack()
{
#if defined(__linux__)
    const int slack = ::prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    m_saved = slack > 0 ? static_cast<unsigned long>(slack) : 0;
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
#endif
}

FineTimerSlack::~FineTimerSlack()
{
#if defined(__linux__)
    if (m_saved > 0)
        ::prctl(PR_SET_TIMERSLACK, m_saved, 0, 0, 0);
#endif
}
