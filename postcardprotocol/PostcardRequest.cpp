#include "postcardprotocol/PostcardRequest.h"

#include "postcardprotocol/DeliveryError.h"

#include <QStringList>
#include <QUrl>
#include <algorithm>

namespace {

QString encoded(const QString& value) {
    // Qt keeps exactly the unreserved set (letters, digits, "-._~").
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

// What an address carries outside quotes (RFC 5322's atext, the dot and the
// "@"), plus letters of any script as internationalised mail allows. Anything
// else (a space, "<", ">", a quote, a control character) could end the
// address early in the SMTP command and pass the rest as parameters.
bool fitsUnquotedAddress(QChar c) {
    if (c.unicode() < 0x80)
        return c.isLetterOrNumber() || QStringView(u"!#$%&'*+-/=?^_`{|}~.@").contains(c);
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_NotAssigned:
    case QChar::Other_PrivateUse:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        return true;
    }
}

// A host name or address alone, as a URL's host takes it.
bool isHost(const QString& host) {
    QUrl url;
    url.setHost(host, QUrl::StrictMode);
    return !host.isEmpty() && url.isValid() && !url.host().isEmpty();
}

// A control character (C0, DEL, C1) in a reply field would reach the mail
// conversation as a command of its own; the mail's text may break lines.
bool holdsControlCharacter(const QString& field, QStringView allowed = {}) {
    return std::any_of(field.begin(), field.end(), [&](QChar c) {
        return c.category() == QChar::Other_Control && !allowed.contains(c);
    });
}

// 1-65535 written in digits only; 0 otherwise.
int portNumber(QStringView digits) {
    if (digits.isEmpty() || digits.size() > 5 ||
        !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return 0;
    const int port = digits.toInt();
    return port <= 65535 ? port : 0;
}

} // namespace

QString serviceBaseUrl(const QString& service) {
    const bool hasScheme = service.contains(QLatin1String("://"));
    const QUrl url(hasScheme ? service : QStringLiteral("http://") + service, QUrl::StrictMode);
    const bool knownScheme =
        url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    if (!url.isValid() || !knownScheme || url.host().isEmpty() || !url.userInfo().isEmpty() ||
        !(url.path().isEmpty() || url.path() == QLatin1String("/")) || url.hasQuery() ||
        url.hasFragment() || url.port() == 0)
        return {};
    return url.adjusted(QUrl::RemovePath).toString(QUrl::FullyEncoded);
}

QString buildServiceUrl(const QString& service, const QString& mailFrom, const QString& mailTo,
                        const QString& msg, const QString& serial) {
    const QString base = serviceBaseUrl(service);
    if (base.isEmpty())
        throw DeliveryError("the postcard service's address is not an http or https URL");
    const std::array<QString, 5> values = {QString::fromLatin1(kServiceId), mailFrom, mailTo, msg,
                                           serial};
    QString url = base + QLatin1String(kServicePath);
    for (std::size_t i = 0; i < values.size(); ++i)
        url += (i == 0 ? u'?' : u'&') + QLatin1String(kServiceKeys[i]) + u'=' + encoded(values[i]);
    return url;
}

bool isRejectedReply(const QString& reply) {
    return reply.size() < 3 || reply.startsWith(u'<') || reply.startsWith(u" <");
}

ServiceReply parseServiceReply(const QString& reply) {
    if (isRejectedReply(reply))
        throw DeliveryError("the postcard service refused the request", kReplyRejectedError);
    const QStringList fields = reply.split(kReplySeparator, Qt::KeepEmptyParts);
    if (fields.size() < 4)
        throw DeliveryError("the postcard service's reply has fewer than four fields");
    if (holdsControlCharacter(fields[0]) || holdsControlCharacter(fields[1]) ||
        holdsControlCharacter(fields[2]) || holdsControlCharacter(fields[3], u"\t\n\r"))
        throw DeliveryError("the postcard service's reply holds a control character");
    return {fields[0], fields[1], fields[2], fields[3]};
}

QString formatServiceReply(const ServiceReply& reply) {
    QString text = reply.messageText;
    text.replace(kReplySeparator, kSeparatorStandIn);
    const QChar separator(kReplySeparator);
    return reply.server + separator + reply.username + separator + reply.password + separator +
           text;
}

bool fitsReplyField(const QString& field) {
    return !field.contains(kReplySeparator) && !holdsControlCharacter(field);
}

bool isHttpsService(const QString& service) {
    return serviceBaseUrl(service).startsWith(QLatin1String("https://"));
}

std::optional<MailServer> parseMailServerField(const QString& field) {
    QString host = field;
    QStringView port;
    bool hasPort = false;
    if (field.startsWith(u'[')) { // [IPv6] or [IPv6]:port
        const qsizetype close = field.indexOf(u']');
        if (close < 0)
            return std::nullopt;
        host = field.mid(1, close - 1);
        const QStringView rest = QStringView(field).mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(u':'))
                return std::nullopt;
            port = rest.mid(1);
            hasPort = true;
        }
        if (!host.contains(u':'))
            return std::nullopt;
    } else if (field.count(u':') == 1) { // host:port; a bare IPv6 address has several
        const qsizetype colon = field.indexOf(u':');
        host = field.left(colon);
        port = QStringView(field).mid(colon + 1);
        hasPort = true;
    }
    if (!isHost(host))
        return std::nullopt;
    MailServer server{host, 0};
    if (hasPort) {
        server.port = portNumber(port);
        if (server.port == 0)
            return std::nullopt;
    }
    return server;
}

bool followsAddressRule(const QString& address) {
    return address.contains(u'@') && address.isValidUtf16() &&
           std::all_of(address.begin(), address.end(), fitsUnquotedAddress);
}

bool passesAddressTest(const QString& recipient, const QString& placeholder) {
    return recipient != placeholder && followsAddressRule(recipient);
}
