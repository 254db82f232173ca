#include "postcardservice/ServiceLog.h"

#include <cstdio>
#include <mutex>

void logLine(const std::string& line) {
    static std::mutex mutex;
    const std::lock_guard lock(mutex);
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
}
