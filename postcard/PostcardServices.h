#pragma once
// What a postcard delivery works through: the web and mail clients, the
// message box and the log. The program uses the defaults; tests hand in
// clients of their own and read the messages and the log.
#include "controls/MessageReport.h"
#include "postcard/HttpClient.h"
#include "postcard/MailClient.h"
#include "postcard/PostcardSettings.h"

#include <QString>
#include <functional>
#include <memory>

using HttpClientFactory = std::function<std::unique_ptr<HttpClient>(const QString& caBundle)>;
using MailClientFactory =
    std::function<std::unique_ptr<MailClient>(const PostcardSettings&, const DeliveryLog&)>;

// The clients on libcurl.
std::unique_ptr<HttpClient> makeCurlHttpClient(const QString& caBundle);
std::unique_ptr<MailClient> makeCurlMailClient(const PostcardSettings& settings,
                                               const DeliveryLog& log);

// Writes line to standard error.
void logOnStandardError(const QString& line);

struct PostcardServices {
    MessageReport report = showMessageBox;
    DeliveryLog log = logOnStandardError;
    // The composer's web client, made once with the settings' caBundle; a
    // mail client for each delivery, made from the settings.
    HttpClientFactory makeHttpClient = makeCurlHttpClient;
    MailClientFactory makeMailClient = makeCurlMailClient;
};
