#include "postcardservice/RecipientList.h"

#include "postcardprotocol/PostcardRequest.h"

#include <QRegularExpression>

std::optional<std::pair<QString, QString>> addressParts(const QString& address) {
    const qsizetype at = address.lastIndexOf(u'@');
    if (at <= 0 || at == address.size() - 1)
        return std::nullopt;
    return std::pair{address.left(at), address.mid(at + 1)};
}

std::optional<RecipientList> RecipientList::parse(const QString& text) {
    RecipientList list;
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    for (const QString& entry : text.split(separators, Qt::SkipEmptyParts)) {
        const bool domain = entry.startsWith(u'@');
        const QString address = domain ? u'x' + entry : entry; // "@d" checked as "x@d"
        if (!followsAddressRule(address) || !addressParts(address) ||
            (domain && entry.count(u'@') != 1))
            return std::nullopt;
        list.entries_.append(entry.toLower());
    }
    return list;
}

bool RecipientList::allows(const QString& recipient) const {
    if (entries_.isEmpty())
        return true;
    const QString address = recipient.toLower();
    const QString domain = u'@' + address.section(u'@', -1);
    return entries_.contains(address) || entries_.contains(domain);
}
