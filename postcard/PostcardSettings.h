#pragma once
// What a postcard delivery takes from outside: the service, the mail port,
// the time-outs and the way a message box is shown. The program uses the
// defaults; tests point them at local servers and answer the message box.
#include "controls/MessageReport.h"
#include "postcard/MailClient.h"
#include "postcard/PostcardConstants.h"

#include <QString>
#include <chrono>

struct PostcardSettings {
    QString serviceHost = QString::fromLatin1(PostcardServiceHost);
    std::chrono::milliseconds serviceTimeout = kServiceTimeout;
    int smtpPort = kMailPort;
    MailTimeouts mailTimeouts;
    // Certificates the mail server's must chain to; empty: the system's store.
    QString mailCaBundle;
    std::chrono::milliseconds outcomeDisplayTime = kOutcomeDisplayTime;
    MessageReport report = showMessageBox;
};
