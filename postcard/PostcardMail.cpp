#include "postcard/PostcardMail.h"

#include "postcard/PostcardConstants.h"
#include "postcardprotocol/DeliveryError.h"

#include <QUrl>
#include <QUuid>
#include <array>

PostcardMail composePostcardMail(const ServiceReply& reply, const QString& sender,
                                 const QString& recipient, int defaultPort, const QDateTime& now,
                                 const QString& attachmentPath) {
    const std::optional<MailServer> server = parseMailServerField(reply.server);
    if (!server)
        throw DeliveryError("the mail server named by the postcard service is not host[:port]");
    PostcardMail mail;
    mail.server = server->host;
    mail.mailfrom = sender;
    mail.sendto = recipient;
    mail.port = server->port != 0 ? server->port : defaultPort;
    mail.maildate = rfc5322Date(now);
    mail.messageId = newMessageId(sender);
    mail.username = reply.username;
    mail.password = reply.password;
    mail.messagesubject = QString::fromLatin1(PostcardSubject);
    mail.messagetext = reply.messageText;
    mail.attachmentPath = attachmentPath;
    return mail;
}

QString newMessageId(const QString& sender) {
    const QString domain = sender.mid(sender.lastIndexOf(u'@') + 1);
    return u'<' + QUuid::createUuid().toString(QUuid::WithoutBraces) + u'@' +
           (domain.isEmpty() || !sender.contains(u'@') ? QStringLiteral("localhost") : domain) +
           u'>';
}

QString rfc5322Date(const QDateTime& time) {
    // Names are fixed English whatever the user's language, as mail demands.
    static constexpr std::array<const char*, 7> days = {"Mon", "Tue", "Wed", "Thu",
                                                        "Fri", "Sat", "Sun"};
    static constexpr std::array<const char*, 12> months = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate date = time.date();
    const int offsetMinutes = time.offsetFromUtc() / 60;
    const int absOffset = qAbs(offsetMinutes);
    return QStringLiteral("%1, %2 %3 %4 %5 %6%7%8")
        .arg(QLatin1String(days[date.dayOfWeek() - 1]))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(months[date.month() - 1]))
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(time.time().toString(QStringLiteral("HH:mm:ss")))
        .arg(QLatin1Char(offsetMinutes < 0 ? '-' : '+'))
        .arg(absOffset / 60, 2, 10, QLatin1Char('0'))
        .arg(absOffset % 60, 2, 10, QLatin1Char('0'));
}

QByteArray smtpServerUrl(const QString& server, int port) {
    QUrl url;
    url.setScheme(QStringLiteral("smtp"));
    url.setHost(server, QUrl::StrictMode);
    url.setPort(port);
    if (server.isEmpty() || !url.isValid() || url.host().isEmpty())
        throw DeliveryError("the mail server named by the postcard service is not a host name");
    return url.toEncoded();
}

QByteArray mailBodyText(const PostcardMail& mail) {
    QString text = mail.messagetext;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return text.replace(u'\n', QStringLiteral("\r\n")).toUtf8();
}

QList<QByteArray> mailHeaders(const PostcardMail& mail) {
    const QString date =
        mail.maildate.isEmpty() ? rfc5322Date(QDateTime::currentDateTime()) : mail.maildate;
    const QString messageId =
        mail.messageId.isEmpty() ? newMessageId(mail.mailfrom) : mail.messageId;
    return {
        "Date: " + date.toUtf8(),
        "Message-ID: " + messageId.toUtf8(),
        "From: <" + mail.mailfrom.toUtf8() + ">",
        "To: <" + mail.sendto.toUtf8() + ">",
        "Subject: " + mail.messagesubject.toUtf8(),
    };
}
