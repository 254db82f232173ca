#pragma once
#include "postcard/PostcardMail.h"

#include <QString>
#include <chrono>
#include <functional>

// Where a delivery writes its lines for the grown-ups: standard error in the
// program.
using DeliveryLog = std::function<void(const QString& line)>;

// How long the mail client waits, so that a silent server cannot hold the
// window for ever.
struct MailTimeouts {
    std::chrono::milliseconds connect = std::chrono::seconds(20);
    std::chrono::seconds serverResponse = std::chrono::seconds(30);
    std::chrono::milliseconds wholeSend = std::chrono::seconds(120);
};

// Sends one e-mail, synchronously.
class MailClient {
public:
    virtual ~MailClient() = default;

    // Returns once the server has taken the mail. Throws DeliveryError, naming
    // the stage, when it cannot be reached, refuses the login, the sender or
    // the recipient, or a time-out passes.
    virtual void send(const PostcardMail& mail) = 0;
};
