#pragma once
// The conversation with the postcard service, without any I/O: the request
// URL, the test of the reply and its fields, and the recipient's test.
#include <QString>

// The request for one postcard. Every value is percent-encoded as UTF-8,
// keeping only RFC 3986's unreserved characters, so that "&", "#", "=" or a
// line break in a message reaches the service exactly as typed.
QString buildServiceUrl(const QString& serviceHost, const QString& mailFrom, const QString& mailTo,
                        const QString& msg, const QString& serial);

// What the service answers: the mail account to use and the mail's body.
struct ServiceReply {
    QString server;
    QString username;
    QString password;
    QString messageText;
};

// True when the reply is too short or starts like an HTML page.
bool isRejectedReply(const QString& reply);

// The first four "^"-separated fields of an accepted reply; more are ignored.
// Throws DeliveryError: number kReplyRejectedError for a rejected reply, no
// number when a field is missing.
ServiceReply parseServiceReply(const QString& reply);

// The recipient must hold an "@", differ from the placeholder, and be made
// only of what an address carries unquoted: letters and digits of any script,
// "." and "@", and !#$%&'*+-/=?^_`{|}~. A space, "<", ">", a quote, a control
// character or a line break would otherwise reach the mail's envelope and
// headers as something other than the address.
bool passesAddressTest(const QString& recipient, const QString& placeholder);
