#include "postcard/PostcardSettings.h"

#include "postcard/CurlHttpClient.h"
#include "postcard/CurlMailClient.h"

std::unique_ptr<HttpClient> makeCurlHttpClient(const QString& caBundle) {
    return std::make_unique<CurlHttpClient>(caBundle);
}

std::unique_ptr<MailClient> makeCurlMailClient(const MailTimeouts& timeouts,
                                               const QString& caBundle) {
    return std::make_unique<CurlMailClient>(timeouts, caBundle);
}
