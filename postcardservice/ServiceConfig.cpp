#include "postcardservice/ServiceConfig.h"

#include "postcardprotocol/PostcardRequest.h"

#include <QFile>
#include <QHostAddress>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <functional>
#include <map>

namespace {

// One "key = value" of the file, with the line it stands on.
struct Entry {
    QString value;
    int line = 0;
};
using Entries = std::map<QString, Entry>; // "section/key"

class Reader {
public:
    Reader(QString path, const Entries& entries) : path_(std::move(path)), entries_(entries) {}

    [[noreturn]] void fail(const QString& key, const QString& what) const {
        const auto found = entries_.find(key);
        const QString where = found == entries_.end()
                                  ? path_
                                  : QStringLiteral("%1:%2").arg(path_).arg(found->second.line);
        throw ConfigError(QStringLiteral("%1: %2: %3").arg(where, key, what).toStdString());
    }

    // A key left out keeps the default; one written without a value is an
    // error, since it is more often a slip than a wish for the default.
    void text(const QString& key, QString& into) const {
        if (const auto found = entries_.find(key); found != entries_.end()) {
            if (found->second.value.isEmpty())
                fail(key, QStringLiteral("has no value; leave the key out for the default"));
            into = found->second.value;
        }
    }

    void number(const QString& key, int& into, int lowest, int highest) const {
        QString text;
        this->text(key, text);
        if (text.isEmpty())
            return;
        const auto found = entries_.find(key);
        bool ok = false;
        const int value = found->second.value.toInt(&ok);
        if (!ok || value < lowest || value > highest)
            fail(key, QStringLiteral("a whole number from %1 to %2").arg(lowest).arg(highest));
        into = value;
    }

private:
    QString path_;
    const Entries& entries_;
};

const QSet<QString>& knownKeys() {
    static const QSet<QString> keys = {"listen/address",
                                       "listen/port",
                                       "listen/certificate",
                                       "listen/key",
                                       "mail/server",
                                       "mail/port",
                                       "mail/user",
                                       "mail/password_file",
                                       "clients/allowed",
                                       "clients/postcards_per_hour",
                                       "clients/tracked_addresses",
                                       "postcard/longest_message",
                                       "postcard/template",
                                       "postcard/recipients"};
    return keys;
}

Entries parseIni(const QString& path, const QByteArray& bytes) {
    Entries entries;
    QString section;
    int number = 0;
    const auto fail = [&](const QString& what) {
        throw ConfigError(
            QStringLiteral("%1:%2: %3").arg(path).arg(number).arg(what).toStdString());
    };
    for (const QByteArray& raw : bytes.split('\n')) {
        ++number;
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']'))
                fail(QStringLiteral("a section is written [name]"));
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            fail(QStringLiteral("expected key = value"));
        const QString key = section + u'/' + line.left(equals).trimmed();
        if (!knownKeys().contains(key))
            fail(QStringLiteral("unknown key %1").arg(key));
        if (entries.count(key))
            fail(QStringLiteral("%1 is set twice").arg(key));
        entries[key] = {line.mid(equals + 1).trimmed(), number};
    }
    return entries;
}

// "\n" is a line break and "\\" a backslash; nothing else is special.
QString unescaped(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size() &&
            (text[i + 1] == u'n' || text[i + 1] == u'\\')) {
            out += text[++i] == u'n' ? u'\n' : u'\\';
            continue;
        }
        out += text[i];
    }
    return out;
}

// The placeholders the template may hold; {message} it must.
const QStringList& templateFields() {
    static const QStringList fields = {"{sender}", "{message}", "{recipient}"};
    return fields;
}

// What is wrong with the template, empty when nothing.
QString templateFault(const QString& mailTemplate) {
    if (!mailTemplate.contains(QLatin1String("{message}")))
        return QStringLiteral("holds no {message}, so the child's words would be lost");
    static const QRegularExpression placeholder(QStringLiteral("\\{[^{}]*\\}"));
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(mailTemplate))
        if (!templateFields().contains(m.captured()))
            return QStringLiteral("%1 is no placeholder; the template takes %2")
                .arg(m.captured(), templateFields().join(QStringLiteral(", ")));
    return {};
}

// A warning when others than the service's user and group may read path.
void warnWhenReadable(const QString& key, const QString& path, QStringList& warnings) {
    if (QFile::permissions(path) & QFileDevice::ReadOther)
        warnings.append(
            QStringLiteral("%1: %2 can be read by every user; chmod o-r it").arg(key, path));
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ConfigError(QStringLiteral("%1: %2").arg(path, file.errorString()).toStdString());
    return file.readAll();
}

// Reads config's password file into config; what is wrong, empty when nothing.
QString readPassword(ServiceConfig& config) {
    QFile file(config.passwordFile);
    if (!file.open(QIODevice::ReadOnly))
        return config.passwordFile + QStringLiteral(": ") + file.errorString();
    warnWhenReadable("mail/password_file", config.passwordFile, config.warnings);
    QByteArray password = file.readAll();
    while (password.endsWith('\n') || password.endsWith('\r'))
        password.chop(1);
    if (password.isEmpty())
        return QStringLiteral("%1 holds no password").arg(config.passwordFile);
    if (password.contains('\n') || password.contains('\r'))
        return QStringLiteral("%1 holds more than one line; it takes the password alone")
            .arg(config.passwordFile);
    config.password = QString::fromUtf8(password);
    if (!fitsReplyField(config.password))
        return QStringLiteral("the password cannot hold \"^\", which separates the reply's fields");
    return {};
}

} // namespace

QString ServiceConfig::mailServerField() const {
    const QString host = mailServer.contains(u':') ? u'[' + mailServer + u']' : mailServer;
    if (mailPort == 0)
        return mailServer;
    return host + u':' + QString::number(mailPort);
}

ServiceConfig readServiceConfig(const QString& path) {
    const Entries entries = parseIni(path, readFile(path));
    const Reader read(path, entries);
    ServiceConfig config;

    read.text("listen/address", config.address);
    if (!isWrittenOut(config.address))
        read.fail("listen/address", QStringLiteral("an IP address to listen on"));
    read.number("listen/port", config.port, 0, 65535);
    read.text("listen/certificate", config.certificateFile);
    read.text("listen/key", config.keyFile);
    if (!config.keyFile.isEmpty())
        warnWhenReadable("listen/key", config.keyFile, config.warnings);
    if (config.certificateFile.isEmpty() != config.keyFile.isEmpty())
        read.fail(config.keyFile.isEmpty() ? "listen/key" : "listen/certificate",
                  QStringLiteral("HTTPS takes both a certificate and its key"));

    read.text("mail/server", config.mailServer);
    read.number("mail/port", config.mailPort, 1, 65535);
    const std::optional<MailServer> server = parseMailServerField(config.mailServerField());
    if (config.mailServer.isEmpty() || !server || !fitsReplyField(config.mailServer))
        read.fail("mail/server", QStringLiteral("the host name or address of the mail relay"));
    read.text("mail/user", config.mailUser);
    if (!fitsReplyField(config.mailUser))
        read.fail("mail/user",
                  QStringLiteral("cannot hold \"^\", which separates the reply's fields"));
    read.text("mail/password_file", config.passwordFile);
    if (config.mailUser.isEmpty() != config.passwordFile.isEmpty())
        read.fail(config.mailUser.isEmpty() ? "mail/password_file" : "mail/user",
                  QStringLiteral("a login takes both the user and the file holding its password"));
    if (!config.mailUser.isEmpty()) {
        if (!config.https())
            read.fail("mail/user",
                      QStringLiteral("a login is handed to every client that asks, so the service "
                                     "must serve HTTPS ([listen] certificate and key): over plain "
                                     "HTTP anyone on the network could read the password. Better, "
                                     "leave the user empty and let the relay take mail from the "
                                     "allowed networks without a login"));
        const QString fault = readPassword(config);
        if (!fault.isEmpty())
            read.fail("mail/password_file", fault);
    }

    QString allowed;
    read.text("clients/allowed", allowed);
    if (!allowed.isEmpty()) {
        const std::optional<ClientNetworks> networks = ClientNetworks::parse(allowed);
        if (!networks)
            read.fail("clients/allowed", QStringLiteral("networks as 192.168.1.0/24, ::1/128"));
        config.allowed = *networks;
    }
    read.number("clients/postcards_per_hour", config.postcardsPerHour, 1, 1000000000);
    read.number("clients/tracked_addresses", config.trackedAddresses, 1, 10000000);

    read.number("postcard/longest_message", config.longestMessage, 0, 100000);
    QString mailTemplate;
    read.text("postcard/template", mailTemplate);
    if (!mailTemplate.isEmpty())
        config.mailTemplate = unescaped(mailTemplate);
    if (const QString fault = templateFault(config.mailTemplate); !fault.isEmpty())
        read.fail("postcard/template", fault);
    QString recipients;
    read.text("postcard/recipients", recipients);
    const std::optional<RecipientList> list = RecipientList::parse(recipients);
    if (!list)
        read.fail(
            "postcard/recipients",
            QStringLiteral("addresses or @domain entries, as gran@example.org, @family.example"));
    config.recipients = *list;
    return config;
}
