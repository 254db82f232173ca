#pragma once
#include "postcard/HttpClient.h"

#include <cstddef>

// HttpClient on libcurl's easy interface.
class CurlHttpClient : public HttpClient {
public:
    // A reply larger than this is not a postcard service's answer.
    static constexpr std::size_t kMaxBodyBytes = 1024 * 1024;

    void setTimeout(std::chrono::milliseconds timeout) override { timeout_ = timeout; }
    QString get(const QString& url) override;

private:
    std::chrono::milliseconds timeout_ = std::chrono::seconds(20);
};
