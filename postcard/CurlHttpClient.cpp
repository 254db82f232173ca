#include "postcard/CurlHttpClient.h"

#include "postcard/CurlHandles.h"
#include "postcard/DeliveryError.h"

#include <QByteArray>
#include <string>

namespace {

size_t collectBody(char* data, size_t size, size_t count, void* userData) {
    auto* body = static_cast<QByteArray*>(userData);
    const size_t bytes = size * count;
    if (body->size() + bytes > CurlHttpClient::kMaxBodyBytes)
        return 0; // libcurl ends the transfer with a write error
    body->append(data, qsizetype(bytes));
    return bytes;
}

} // namespace

QString CurlHttpClient::get(const QString& url) {
    CurlEasy curl = makeCurlEasy();
    QByteArray body;
    char errorBuffer[CURL_ERROR_SIZE] = {};
    const QByteArray urlBytes = url.toUtf8();
    CURL* handle = curl.get();
    checkCurl(curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer));
    checkCurl(curl_easy_setopt(handle, CURLOPT_URL, urlBytes.constData()));
    checkCurl(curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https"));
    checkCurl(curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L));
    checkCurl(curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, long(timeout_.count())));
    checkCurl(curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, collectBody));
    checkCurl(curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body));
    checkCurl(curl_easy_perform(handle), errorBuffer);

    long status = 0;
    checkCurl(curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status));
    if (status >= 400)
        throw DeliveryError("the postcard service answered with HTTP status " +
                            std::to_string(status));
    return QString::fromUtf8(body);
}
