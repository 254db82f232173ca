#include "tests/support/ChildProcess.h"

#include <QElapsedTimer>

ChildProcess::~ChildProcess() {
    if (state() == QProcess::NotRunning)
        return;
    terminate();
    if (!waitForFinished(10000))
        kill();
    waitForFinished(5000);
}

bool ChildProcess::waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (state() == QProcess::NotRunning || clock.elapsed() > timeoutMs)
            return false;
        // Also what notices that the process ended.
        waitForReadyRead(100);
    }
    return true;
}
