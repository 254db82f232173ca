#pragma once
#include "postcard/MailClient.h"

#include <QString>
#include <utility>

// MailClient on libcurl's SMTP with its MIME API: the body as UTF-8 text,
// the picture attached as image/jpeg, STARTTLS whenever the server offers it,
// and a login when the mail has a user name. A login happens only inside TLS
// with the server's certificate verified: a server without STARTTLS or with a
// certificate that does not check out fails the delivery.
class CurlMailClient : public MailClient {
public:
    // caBundle names a file of the certificates a server's must chain to; empty
    // means the system's store.
    explicit CurlMailClient(MailTimeouts timeouts = {}, QString caBundle = {})
        : timeouts_(timeouts), caBundle_(std::move(caBundle)) {}

    void send(const PostcardMail& mail) override;

private:
    MailTimeouts timeouts_;
    QString caBundle_;
};
