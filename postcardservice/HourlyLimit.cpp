#include "postcardservice/HourlyLimit.h"

#include "postcardservice/ClientNetworks.h"

namespace {
// How often the table is swept: each minute, and at most each second while full.
constexpr std::chrono::minutes kSweepInterval{1};
constexpr std::chrono::seconds kFullSweepInterval{1};
} // namespace

HourlyLimit::Verdict HourlyLimit::take(const QHostAddress& client, Clock::time_point now) {
    const QString key = clientIdentity(client).toString();
    const std::lock_guard lock(mutex_);
    const bool full = clients_.size() >= capacity_;
    if (now - lastSweep_ >= kSweepInterval || (full && now - lastSweep_ >= kFullSweepInterval))
        forgetExpired(now);

    auto found = clients_.find(key);
    if (found != clients_.end() && now - found->second.since >= kWindow)
        found->second = Count{now, 0};
    if (found == clients_.end()) {
        if (clients_.size() >= capacity_)
            return Verdict::TableFull;
        found = clients_.emplace(key, Count{now, 0}).first;
    }
    if (found->second.postcards >= perHour_)
        return Verdict::OverLimit;
    ++found->second.postcards;
    return Verdict::Allowed;
}

std::size_t HourlyLimit::tracked() const {
    const std::lock_guard lock(mutex_);
    return clients_.size();
}

void HourlyLimit::forgetExpired(Clock::time_point now) {
    lastSweep_ = now;
    std::erase_if(clients_,
                  [now](const auto& entry) { return now - entry.second.since >= kWindow; });
}
