#pragma once
// The e-mail of one postcard as plain values, and the pieces the mail
// client derives from it, without any I/O.
#include "postcardprotocol/PostcardRequest.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

struct PostcardMail {
    QString server;
    QString mailfrom;
    QString sendto;
    int port = 0;
    QString maildate;
    QString messageId; // "<unique@domain>"
    QString username;
    QString password;
    QString messagesubject;
    QString messagetext;
    QString attachmentPath;
};

// The attachment always carries this name: a name taken from a path could
// hold characters that break the MIME headers.
inline constexpr char PostcardAttachmentName[] = "MyPicture.jpg";

// Fills the mail's properties from the service's reply; the server's port is
// the one the reply names, else defaultPort. Throws DeliveryError when the
// reply's server is not a host with an optional port.
PostcardMail composePostcardMail(const ServiceReply& reply, const QString& sender,
                                 const QString& recipient, int defaultPort, const QDateTime& now,
                                 const QString& attachmentPath);

// A Message-ID no other mail carries, in the sender's domain, as large mail
// providers want every mail to have one: "<unique@domain>".
QString newMessageId(const QString& sender);

// A date in the form mail headers use: "Tue, 08 Dec 2026 14:05:09 +0100".
QString rfc5322Date(const QDateTime& time);

// "smtp://host:port" for the reply's server. Throws DeliveryError when the
// server is not a host name or address, so a reply cannot steer the URL.
QByteArray smtpServerUrl(const QString& server, int port);

// The body as UTF-8 with every line break as CR LF, the form mail requires.
QByteArray mailBodyText(const PostcardMail& mail);

// The headers of the message, each a complete "Name: value" line; a mail
// without a date or a Message-ID is given one made now.
QList<QByteArray> mailHeaders(const PostcardMail& mail);
