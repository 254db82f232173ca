#pragma once
// What a postcard delivery takes from outside: the service, the mail port,
// the time-outs and the way a message box is shown. The program uses the
// defaults; tests point them at local servers and answer the message box.
#include "postcard/MailClient.h"
#include "postcard/PostcardConstants.h"

#include <QString>
#include <chrono>
#include <functional>

class QWidget;

// Shows a modal message box with one OK button over parent.
using ReportFunction =
    std::function<void(QWidget* parent, const QString& text, const QString& title)>;

void showMessageBox(QWidget* parent, const QString& text, const QString& title);

struct PostcardSettings {
    QString serviceHost = QString::fromLatin1(PostcardServiceHost);
    std::chrono::milliseconds serviceTimeout = kServiceTimeout;
    int smtpPort = kMailPort;
    MailTimeouts mailTimeouts;
    // Certificates the mail server's must chain to; empty: the system's store.
    QString mailCaBundle;
    std::chrono::milliseconds outcomeDisplayTime = kOutcomeDisplayTime;
    ReportFunction report = showMessageBox;
};
