#include "postcard/CurlHttpClient.h"

#include "postcard/CurlHandles.h"
#include "postcard/PostcardConstants.h"
#include "postcardprotocol/DeliveryError.h"

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
    CurlTransfer transfer("http,https", caBundle_);
    QByteArray body;
    const QByteArray urlBytes = url.toUtf8();
    transfer.set(CURLOPT_URL, urlBytes.constData());
    transfer.set(CURLOPT_TIMEOUT_MS, long(timeout_.count()));
    transfer.set(CURLOPT_WRITEFUNCTION, collectBody);
    transfer.set(CURLOPT_WRITEDATA, &body);
    transfer.perform();

    long status = 0;
    checkCurl(curl_easy_getinfo(transfer.handle(), CURLINFO_RESPONSE_CODE, &status));
    // A redirect or "no content" is no reply either: only 200 carries one.
    if (status != 200)
        throw DeliveryError("the postcard service answered with HTTP status " +
                                std::to_string(status),
                            0, DeliveryStage::ServiceReply);
    return QString::fromUtf8(body);
}
