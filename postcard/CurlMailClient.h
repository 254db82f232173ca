#pragma once
#include "postcard/MailClient.h"

// MailClient on libcurl's SMTP with its MIME API: the body as UTF-8 text,
// the picture attached as image/jpeg, STARTTLS whenever the server offers it,
// and a login when the mail has a user name.
class CurlMailClient : public MailClient {
public:
    explicit CurlMailClient(MailTimeouts timeouts = {}) : timeouts_(timeouts) {}

    void send(const PostcardMail& mail) override;

private:
    MailTimeouts timeouts_;
};
