#include "postcardservice/StopSignals.h"

#include "postcardservice/ServiceLog.h"

#include <pthread.h>

StopSignals::StopSignals() {
    sigemptyset(&signals_);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&signals_, signal);
    pthread_sigmask(SIG_BLOCK, &signals_, nullptr);
    std::signal(SIGPIPE, SIG_IGN); // a client gone mid-reply is no reason to die
}

int StopSignals::waitForStop() const {
    for (;;) {
        int signal = 0;
        if (sigwait(&signals_, &signal) != 0)
            continue;
        if (signal != SIGHUP)
            return signal;
        logLine("SIGHUP ignored: restart the service to read its configuration again");
    }
}
