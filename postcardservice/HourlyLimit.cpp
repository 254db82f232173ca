#include "postcardservice/HourlyLimit.h"

#include "postcardservice/ClientNetworks.h"

namespace {
// How often the tables are swept: each minute, and at most each second while full.
constexpr std::chrono::minutes kSweepInterval{1};
constexpr std::chrono::seconds kFullSweepInterval{1};
} // namespace

HourlyLimit::Count HourlyLimit::take(const QHostAddress& client, Clock::time_point now) {
    const QString identity = clientIdentity(client);
    const std::lock_guard lock(mutex_);
    const bool full = clients_.size() >= capacity_;
    if (now - lastSweep_ >= kSweepInterval || (full && now - lastSweep_ >= kFullSweepInterval))
        forgetExpired(now);

    Count count{Verdict::Allowed, identity, false};
    Entry* entry = entryOf(clients_, identity, now);
    if (!entry) {
        count.justFilled = !saidFull_;
        saidFull_ = true;
        count.countedAs = clientPrefix(client);
        entry = entryOf(blocks_, count.countedAs, now);
    }
    if (!entry)
        count.verdict = Verdict::TableFull;
    else if (entry->postcards >= perHour_)
        count.verdict = Verdict::OverLimit;
    else
        ++entry->postcards;
    return count;
}

HourlyLimit::Entry* HourlyLimit::entryOf(Table& table, const QString& key, Clock::time_point now) {
    auto found = table.find(key);
    if (found != table.end() && now - found->second.since >= kWindow)
        found->second = Entry{now, 0};
    if (found == table.end()) {
        if (table.size() >= capacity_)
            return nullptr;
        found = table.emplace(key, Entry{now, 0}).first;
    }
    return &found->second;
}

std::size_t HourlyLimit::tracked() const {
    const std::lock_guard lock(mutex_);
    return clients_.size() + blocks_.size();
}

void HourlyLimit::forgetExpired(Clock::time_point now) {
    lastSweep_ = now;
    const auto expired = [now](const auto& entry) { return now - entry.second.since >= kWindow; };
    std::erase_if(clients_, expired);
    std::erase_if(blocks_, expired);
    if (clients_.size() < capacity_)
        saidFull_ = false;
}
