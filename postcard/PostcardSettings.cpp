#include "postcard/PostcardSettings.h"

#include "postcard/CurlHttpClient.h"
#include "postcard/CurlMailClient.h"

#include <cstdio>

std::unique_ptr<HttpClient> makeCurlHttpClient(const QString& caBundle) {
    return std::make_unique<CurlHttpClient>(caBundle);
}

std::unique_ptr<MailClient> makeCurlMailClient(const PostcardSettings& settings) {
    return std::make_unique<CurlMailClient>(settings.mailTimeouts, settings.caBundle,
                                            settings.verifyRelayCertificate, settings.log);
}

void logOnStandardError(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}
