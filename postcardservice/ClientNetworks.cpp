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
        if (!block.contains(u'/')) {
            const QHostAddress host(block);
            if (host.isNull())
                return std::nullopt;
            cidr += host.protocol() == QAbstractSocket::IPv4Protocol ? u"/32" : u"/128";
        }
        const QPair<QHostAddress, int> subnet = QHostAddress::parseSubnet(cidr);
        if (subnet.second < 0)
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

QHostAddress clientIdentity(const QHostAddress& client) {
    const QHostAddress address = unmapped(client);
    if (address.protocol() == QAbstractSocket::IPv4Protocol)
        return address;
    Q_IPV6ADDR bytes = address.toIPv6Address();
    for (int i = 8; i < 16; ++i)
        bytes[i] = 0;
    return QHostAddress(bytes);
}
