#pragma once
// The postcard service's one configuration file: where it listens, the mail
// server it names in its replies, who may ask, how often, and the mail text.
#include "postcardservice/ClientNetworks.h"
#include "postcardservice/RecipientList.h"

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <string>

// A configuration that cannot be used; what() names the file, and the line
// where there is one.
class ConfigError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ServiceConfig {
    // [listen]; with a certificate and its key the service speaks HTTPS.
    QString address = QStringLiteral("127.0.0.1");
    int port = 8080; // 0: any free port
    QString certificateFile;
    QString keyFile;
    // [mail]: named in every reply. An empty user means the relay takes mail
    // from the allowed networks without a login.
    QString mailServer;
    int mailPort = 0; // 0: none named, the program's 25
    QString mailUser;
    QString passwordFile;
    QString password; // read from passwordFile, never from this file
    // [clients]
    ClientNetworks allowed = ClientNetworks::loopback();
    int postcardsPerHour = 20;
    int trackedAddresses = 4096;
    // [postcard]: {sender}, {message} and {recipient} are filled in.
    int longestMessage = 2000;
    QString mailTemplate = QStringLiteral("{sender} sends you a picture and says:\n\n{message}");
    RecipientList recipients;

    // What is sound but unwise (a key file every user can read), to be said
    // on start and by --check-config.
    QStringList warnings;

    bool https() const { return !certificateFile.isEmpty(); }
    // The reply's first field: the mail server, with its port when one is set.
    QString mailServerField() const;
};

// The configuration file's default place.
inline constexpr char kDefaultConfigFile[] = "/etc/vellumix/postcard-service.conf";

// Reads and checks path (INI: [section], key = value, # or ; comments; "\n"
// in the template is a line break). Throws ConfigError on an unknown
// section or key, a key without a value, a value that cannot be used, a
// template without {message} or with another placeholder, an unreadable,
// empty or multi-line password file, half a login, a login without HTTPS,
// or a "^" in the server, the user or the password.
ServiceConfig readServiceConfig(const QString& path);
