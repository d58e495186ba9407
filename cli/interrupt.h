#pragma once

// Ctrl+C (SIGINT), SIGTERM and SIGHUP set a flag that the running command looks at;
// a second Ctrl+C ends the process at once. onInterrupt, if given, is called
// from the signal handler and must be async-signal-safe.
void InstallInterruptHandler(void (*onInterrupt)() = nullptr);
bool Interrupted();
