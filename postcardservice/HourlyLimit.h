#pragma once
// Postcards per client per hour. The table of clients forgets a client an
// hour after its first postcard of the hour and never grows past its
// capacity, so a flood of addresses cannot exhaust the service's memory:
// once it is full, new clients are counted together by their coarser block
// (/24, /48) in a second table of the same size, so a flood from one
// network shares that network's postcards instead of locking out everyone.
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
        OverLimit, // this client (or its block) had its postcards for the hour
        TableFull, // too many clients and blocks this hour to keep count of another
    };
    struct Count {
        Verdict verdict = Verdict::Allowed;
        QString countedAs; // the client, or its block once the table is full
        bool justFilled =
            false; // this client found the client table full, the first since it had room
    };
    // Counts one postcard for client when it may have one.
    Count take(const QHostAddress& client, Clock::time_point now);

    std::size_t tracked() const;

private:
    struct Entry {
        Clock::time_point since;
        int postcards = 0;
    };
    using Table = std::unordered_map<QString, Entry>;
    // The client's entry in table, made when there is room; null when not.
    Entry* entryOf(Table& table, const QString& key, Clock::time_point now);
    void forgetExpired(Clock::time_point now);

    const int perHour_;
    const std::size_t capacity_;
    mutable std::mutex mutex_;
    Table clients_;
    Table blocks_;
    bool saidFull_ = false;
    Clock::time_point lastSweep_{};
};
