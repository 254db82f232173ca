#pragma once
// SIGTERM and SIGINT stop the service, SIGHUP is logged and ignored. The
// three are blocked from the start, so every thread started later inherits
// the mask and a signal sent before the server runs waits, pending, for
// waitForStop() instead of being lost.
#include <csignal>

class StopSignals {
public:
    // Blocks the signals in this thread; make it before any other thread.
    StopSignals();

    // Returns the signal that asked the service to stop.
    int waitForStop() const;

private:
    sigset_t signals_;
};
