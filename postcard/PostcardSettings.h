#pragma once
// What a postcard delivery takes from outside: the service, the mail port,
// the time-outs, the web and mail clients and the way a message box is shown.
// The program uses the defaults; tests point them at local servers or hand in
// clients of their own, and answer the message box.
#include "controls/MessageReport.h"
#include "postcard/HttpClient.h"
#include "postcard/MailClient.h"
#include "postcard/PostcardConstants.h"

#include <QList>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

struct PostcardSettings;

using HttpClientFactory = std::function<std::unique_ptr<HttpClient>(const QString& caBundle)>;
using MailClientFactory = std::function<std::unique_ptr<MailClient>(const PostcardSettings&)>;

// The clients on libcurl.
std::unique_ptr<HttpClient> makeCurlHttpClient(const QString& caBundle);
std::unique_ptr<MailClient> makeCurlMailClient(const PostcardSettings& settings);

// Writes line to standard error.
void logOnStandardError(const QString& line);

// A grown-up's entry of [postcard] recipients: the name offered to the
// child and the address it stands for.
struct PostcardRecipient {
    QString name;
    QString address;
};

struct PostcardSettings {
    // As the settings give them; a value that cannot be used fails the
    // delivery at the service request, as an unreachable service would. With
    // either empty postcards are not set up: Send fails at once.
    QString service = QString::fromLatin1(PostcardServiceHost);
    QString sender = QString::fromLatin1(PostcardSenderAddress);
    // The settings files, named on standard error when postcards are not set up.
    QString settingsFiles;
    std::chrono::milliseconds serviceTimeout = kServiceTimeout;
    int smtpPort = kMailPort; // when the service's reply names no port
    MailTimeouts mailTimeouts;
    // Certificates the service's and the mail server's must chain to; empty:
    // the system's store.
    QString caBundle;
    // Without a login, a relay certificate that does not check out ends the
    // delivery instead of only being noted.
    bool verifyRelayCertificate = false;
    // When any are given, the only addresses a postcard may go to.
    QList<PostcardRecipient> recipients;
    std::chrono::milliseconds outcomeDisplayTime = kOutcomeDisplayTime;
    MessageReport report = showMessageBox;
    DeliveryLog log = logOnStandardError;
    // The composer's web client, made once with caBundle; a mail client for
    // each delivery, made from these settings.
    HttpClientFactory makeHttpClient = makeCurlHttpClient;
    MailClientFactory makeMailClient = makeCurlMailClient;
};
