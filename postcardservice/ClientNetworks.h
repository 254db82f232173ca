#pragma once
// The networks allowed to ask for postcards, as CIDR blocks.
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

class ClientNetworks {
public:
    // 127.0.0.0/8 and ::1/128.
    static ClientNetworks loopback();

    // "192.168.1.0/24, 10.0.0.0/8, ::1/128" (commas or spaces between; an
    // address alone is a single host). Empty when any block is malformed or
    // IPv4-mapped IPv6 (write those as IPv4).
    static std::optional<ClientNetworks> parse(const QString& text);

    // IPv4 clients reached through an IPv6 socket count as IPv4.
    bool allows(const QHostAddress& client) const;

private:
    QList<QPair<QHostAddress, int>> blocks_;
};

// address written out in full: four decimal numbers for IPv4 (never the
// short forms such as "0" or "10.1" that the C library also takes), or an
// IPv6 address.
bool isWrittenOut(const QString& address);

// address as a client's identity: IPv4 as it is (IPv4-mapped IPv6 turned
// back into IPv4), IPv6 by its /64, which one machine may fill alone.
QString clientIdentity(const QHostAddress& address);
// The coarser block the address lies in: its /24 for IPv4, its /48 for IPv6
// ("192.0.2.0/24").
QString clientPrefix(const QHostAddress& address);
