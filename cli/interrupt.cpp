#include "interrupt.h"

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> g_interrupted{false};
void (*g_onInterrupt)() = nullptr;

extern "C" void onSignal(int)
{
    g_interrupted.store(true);
    if (g_onInterrupt)
        g_onInterrupt();
}

} // namespace

void InstallInterruptHandler(void (*onInterrupt)())
{
    g_onInterrupt = onInterrupt;
#if defined(_WIN32)
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
#else
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a prompt waiting for an answer gives up on Ctrl+C.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    action.sa_flags = 0;
    sigaction(SIGTERM, &action, nullptr);
    // A closed terminal or a lost ssh session ends the transfer like Ctrl+C:
    // the port is closed and the end reported, not the process killed mid-block.
    sigaction(SIGHUP, &action, nullptr);
#endif
}

bool Interrupted()
{
    return g_interrupted.load();
}
