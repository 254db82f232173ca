#include "postcardservice/LogThrottle.h"

bool LogThrottle::admits(const QString& key, Clock::time_point now) {
    const std::lock_guard lock(mutex_);
    QString entry = key;
    if (!last_.contains(key) && last_.size() >= capacity_) {
        std::erase_if(last_, [&](const auto& seen) { return now - seen.second >= period_; });
        if (last_.size() >= capacity_)
            entry = QString(); // the overflow's shared entry, one beyond the capacity
    }
    const auto [found, isNew] = last_.try_emplace(entry, now);
    if (isNew)
        return true;
    if (now - found->second < period_)
        return false;
    found->second = now;
    return true;
}
