#include "postcardservice/ClientNetworks.h"

#include <QRegularExpression>

namespace {

// An IPv4 client seen through an IPv6 socket (::ffff:a.b.c.d) as itself.
QHostAddress unmapped(const QHostAddress& address) {
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    return isIPv4 ? QHostAddress(ipv4) : address;
}

} // namespace

ClientNetworks ClientNetworks::loopback() {
    return *parse(QStringLiteral("127.0.0.0/8, ::1/128"));
}

std::optional<ClientNetworks> ClientNetworks::parse(const QString& text) {
    ClientNetworks networks;
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    for (const QString& block : text.split(separators, Qt::SkipEmptyParts)) {
        QString cidr = block;
        if (!isWrittenOut(block.section(u'/', 0, 0)))
            return std::nullopt;
        if (!block.contains(u'/')) {
            const QHostAddress host(block);
            if (host.isNull())
                return std::nullopt;
            cidr += host.protocol() == QAbstractSocket::IPv4Protocol ? u"/32" : u"/128";
        }
        const QPair<QHostAddress, int> subnet = QHostAddress::parseSubnet(cidr);
        // An IPv4-mapped block (::ffff:10.0.0.0/104) would never match: clients
        // are compared as IPv4, so such a block is written as IPv4.
        bool mapped = false;
        if (subnet.second < 0 || (subnet.first.protocol() == QAbstractSocket::IPv6Protocol &&
                                  (subnet.first.toIPv4Address(&mapped), mapped)))
            return std::nullopt;
        networks.blocks_.append(subnet);
    }
    return networks;
}

bool ClientNetworks::allows(const QHostAddress& client) const {
    const QHostAddress address = unmapped(client);
    for (const auto& block : blocks_)
        if (address.isInSubnet(block))
            return true;
    return false;
}

bool isWrittenOut(const QString& address) {
    static const QRegularExpression dotted(QStringLiteral("^\\d{1,3}(\\.\\d{1,3}){3}$"));
    return !QHostAddress(address).isNull() &&
           (address.contains(u':') || dotted.match(address).hasMatch());
}

namespace {

// "a.b.c.0/ipv4Length" or "x:y::/ipv6Length" of the block address lies in.
QString blockOf(const QHostAddress& client, int ipv4Length, int ipv6Length) {
    const QHostAddress address = unmapped(client);
    const bool ipv4 = address.protocol() == QAbstractSocket::IPv4Protocol;
    const QString length = u'/' + QString::number(ipv4 ? ipv4Length : ipv6Length);
    return QHostAddress::parseSubnet(address.toString() + length).first.toString() + length;
}

} // namespace

QString clientIdentity(const QHostAddress& client) {
    const QHostAddress address = unmapped(client);
    if (address.protocol() == QAbstractSocket::IPv4Protocol)
        return address.toString();
    return blockOf(address, 32, 64);
}

QString clientPrefix(const QHostAddress& client) {
    return blockOf(client, 24, 48);
}
