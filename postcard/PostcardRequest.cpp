#include "postcard/PostcardRequest.h"

#include "postcard/DeliveryError.h"

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

} // namespace

QString buildServiceUrl(const QString& serviceHost, const QString& mailFrom, const QString& mailTo,
                        const QString& msg, const QString& serial) {
    return QStringLiteral("http://") + serviceHost + QStringLiteral("/qzsmtp.asp?ID=QZ&mailFrom=") +
           encoded(mailFrom) + QStringLiteral("&mailTo=") + encoded(mailTo) +
           QStringLiteral("&msg=") + encoded(msg) + QStringLiteral("&serial=") + encoded(serial);
}

bool isRejectedReply(const QString& reply) {
    return reply.size() < 3 || reply.startsWith(u'<') || reply.startsWith(u" <");
}

ServiceReply parseServiceReply(const QString& reply) {
    if (isRejectedReply(reply))
        throw DeliveryError("the postcard service refused the request", kReplyRejectedError);
    const QStringList fields = reply.split(u'^', Qt::KeepEmptyParts);
    if (fields.size() < 4)
        throw DeliveryError("the postcard service's reply has fewer than four fields");
    return {fields[0], fields[1], fields[2], fields[3]};
}

bool passesAddressTest(const QString& recipient, const QString& placeholder) {
    if (!recipient.contains(u'@') || recipient == placeholder || !recipient.isValidUtf16())
        return false;
    return std::all_of(recipient.begin(), recipient.end(), fitsUnquotedAddress);
}
