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
    if (!recipient.contains(u'@') || recipient == placeholder)
        return false;
    return std::none_of(recipient.begin(), recipient.end(), [](QChar c) {
        const auto category = c.category();
        return category == QChar::Other_Control || category == QChar::Separator_Line ||
               category == QChar::Separator_Paragraph;
    });
}
