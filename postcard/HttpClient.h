#pragma once
#include <QString>
#include <chrono>

// A synchronous web client: one GET at a time, the body back as text.
class HttpClient {
public:
    virtual ~HttpClient() = default;

    // The longest a request may take, from connecting to the last byte.
    virtual void setTimeout(std::chrono::milliseconds timeout) = 0;

    // The body of url's response, as UTF-8 text. Throws DeliveryError when the
    // server cannot be reached, the time-out passes or the status is not 200.
    virtual QString get(const QString& url) = 0;
};
