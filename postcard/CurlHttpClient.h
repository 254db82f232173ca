#pragma once
#include "postcard/HttpClient.h"

#include <QString>
#include <cstddef>
#include <utility>

// HttpClient on libcurl's easy interface, for http:// and https:// (the
// certificate checked against caBundle, empty: the system's store).
class CurlHttpClient : public HttpClient {
public:
    // A reply larger than this is not a postcard service's answer.
    static constexpr std::size_t kMaxBodyBytes = 1024 * 1024;

    explicit CurlHttpClient(QString caBundle = {}) : caBundle_(std::move(caBundle)) {}

    void setTimeout(std::chrono::milliseconds timeout) override { timeout_ = timeout; }
    QString get(const QString& url) override;

private:
    std::chrono::milliseconds timeout_ = std::chrono::seconds(20);
    QString caBundle_;
};
