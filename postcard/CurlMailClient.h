#pragma once
#include "postcard/MailClient.h"

#include <QString>
#include <utility>

// MailClient on libcurl's SMTP with its MIME API: the body as UTF-8 text,
// the picture attached as image/jpeg, STARTTLS whenever the server offers it,
// and a login when the mail has a user name. A login happens only inside TLS
// with the server's certificate verified: a server without STARTTLS or with a
// certificate that does not check out fails the delivery. Without a login the
// certificate is checked too, but, as mail servers do among themselves, one
// that does not check out only gets a line in the log unless
// verifyRelayCertificate asks for the strict check; plain text is used only
// where the server offers no STARTTLS.
class CurlMailClient : public MailClient {
public:
    // caBundle names a file of the certificates a server's must chain to; empty
    // means the system's store. log takes the note on a certificate let pass.
    explicit CurlMailClient(MailTimeouts timeouts = {}, QString caBundle = {},
                            bool verifyRelayCertificate = false, DeliveryLog log = {})
        : timeouts_(timeouts), caBundle_(std::move(caBundle)),
          verifyRelayCertificate_(verifyRelayCertificate), log_(std::move(log)) {}

    void send(const PostcardMail& mail) override;

private:
    MailTimeouts timeouts_;
    QString caBundle_;
    bool verifyRelayCertificate_;
    DeliveryLog log_;
};
