#pragma once
// A server or helper a test starts, stopped with the test: SIGTERM, and
// SIGKILL if it outstays that.
#include <QProcess>
#include <functional>

class ChildProcess : public QProcess {
public:
    ~ChildProcess() override;

    // Waits up to timeoutMs, taking its output as it comes, until done()
    // holds; false when the time ran out or the process ended first.
    bool waitUntil(const std::function<bool()>& done, int timeoutMs);
};
