#pragma once
// In-process stand-ins for the postcard service and the mail server: every
// client they make records what it was given and answers as the test says.
#include "postcard/PostcardSettings.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

struct FakeNetwork {
    // What the service answers, or why fetching its page fails.
    QString reply;
    std::optional<QString> serviceFailure;
    // Why the mail server turns the mail down; none: it takes it.
    std::optional<QString> mailFailure;

    struct GivenMail {
        PostcardMail mail;
        QByteArray attachment; // the file's bytes at the moment of sending
        MailTimeouts timeouts;
        QString caBundle;
        bool verifyRelayCertificate;
        bool accepted;
    };
    QStringList urls;
    QList<std::chrono::milliseconds> serviceTimeouts;
    QList<GivenMail> mails;

    // The mails the server took.
    QList<GivenMail> delivered() const;

    // Points settings' client factories at this network, which must outlive
    // the clients.
    void install(PostcardSettings& settings);
};
