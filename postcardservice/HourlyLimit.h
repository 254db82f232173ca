#pragma once
// Postcards per client per hour. The table of clients forgets a client an
// hour after its first postcard of the hour and never grows past its
// capacity, so a flood of addresses cannot exhaust the service's memory.
// Safe to use from several threads.
#include <QHostAddress>
#include <QString>
#include <chrono>
#include <cstddef>
#include <mutex>
#include <unordered_map>

class HourlyLimit {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::hours kWindow{1};

    HourlyLimit(int perHour, std::size_t capacity) : perHour_(perHour), capacity_(capacity) {}

    enum class Verdict {
        Allowed,
        OverLimit, // this client had its postcards for the hour
        TableFull, // too many clients this hour to keep count of another
    };
    // Counts one postcard for client when it may have one.
    Verdict take(const QHostAddress& client, Clock::time_point now);

    std::size_t tracked() const;

private:
    struct Count {
        Clock::time_point since;
        int postcards = 0;
    };
    void forgetExpired(Clock::time_point now);

    const int perHour_;
    const std::size_t capacity_;
    mutable std::mutex mutex_;
    std::unordered_map<QString, Count> clients_;
    Clock::time_point lastSweep_{};
};
