#pragma once
// What a grown-up configured for postcards: the service, the sender, the
// recipients, the mail port, the time-outs and the certificates. The program
// fills it from the settings files; tests point it at local servers.
#include "postcard/MailClient.h"
#include "postcard/PostcardConstants.h"

#include <QList>
#include <QString>
#include <chrono>

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
};
