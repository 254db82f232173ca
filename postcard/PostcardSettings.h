#pragma once
// What a postcard delivery takes from outside: the service, the mail port,
// the time-outs, the web and mail clients and the way a message box is shown.
// The program uses the defaults; tests point them at local servers or hand in
// clients of their own, and answer the message box.
#include "controls/MessageReport.h"
#include "postcard/HttpClient.h"
#include "postcard/MailClient.h"
#include "postcard/PostcardConstants.h"

#include <QString>
#include <chrono>
#include <functional>
#include <memory>

using HttpClientFactory = std::function<std::unique_ptr<HttpClient>()>;
using MailClientFactory = std::function<std::unique_ptr<MailClient>(const MailTimeouts& timeouts,
                                                                    const QString& caBundle)>;

// The clients on libcurl.
std::unique_ptr<HttpClient> makeCurlHttpClient();
std::unique_ptr<MailClient> makeCurlMailClient(const MailTimeouts& timeouts,
                                               const QString& caBundle);

struct PostcardSettings {
    QString serviceHost = QString::fromLatin1(PostcardServiceHost);
    std::chrono::milliseconds serviceTimeout = kServiceTimeout;
    int smtpPort = kMailPort;
    MailTimeouts mailTimeouts;
    // Certificates the mail server's must chain to; empty: the system's store.
    QString mailCaBundle;
    std::chrono::milliseconds outcomeDisplayTime = kOutcomeDisplayTime;
    MessageReport report = showMessageBox;
    // The composer's web client, made once; a mail client for each delivery,
    // made with mailTimeouts and mailCaBundle.
    HttpClientFactory makeHttpClient = makeCurlHttpClient;
    MailClientFactory makeMailClient = makeCurlMailClient;
};
