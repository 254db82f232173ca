#pragma once
// Lets a log line about a key (a client's address) through at most once a
// period, so a client that hammers the service cannot flood the journal.
// The table is bounded: past its capacity every new key shares one entry.
// Safe to use from several threads.
#include <QHash>
#include <QString>
#include <chrono>
#include <cstddef>
#include <mutex>
#include <unordered_map>

class LogThrottle {
public:
    using Clock = std::chrono::steady_clock;

    LogThrottle(Clock::duration period, std::size_t capacity)
        : period_(period), capacity_(capacity) {}

    // Whether a line about key may be written now; if so, the next waits a period.
    bool admits(const QString& key, Clock::time_point now);

private:
    const Clock::duration period_;
    const std::size_t capacity_;
    std::mutex mutex_;
    std::unordered_map<QString, Clock::time_point> last_;
};
