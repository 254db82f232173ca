#include "tests/whole/TestMailRelay.h"

#include "tests/support/TestSupport.h"

#include <QDir>
#include <QTcpSocket>

namespace {

const QString kMaster = QStringLiteral("/usr/lib/postfix/sbin/master");
// The mailbox's owner; the virtual delivery agent refuses root.
const QString kMailboxOwner = QStringLiteral("65534");

} // namespace

TestMailRelay::TestMailRelay()
    : PrivateDaemon(QStringLiteral("Postfix"), "postfix.log",
                    {QStringLiteral("/usr/sbin/postfix"), kMaster}, "postfix") {
    if (!ok() || !configure())
        return;
    // setsid: the master stops its daemons through its process group.
    start(path("data"), "/var/lib/postfix", {"setsid", kMaster, "-d", "-c", path("conf")},
          [this] { return greets(); });
}

bool TestMailRelay::configure() {
    const QString conf = path("conf");
    for (const char* folder : {"conf", "queue", "data", "mail"})
        QDir().mkpath(path(QString::fromLatin1(folder)));
    const QString ownerMaps = "static:" + kMailboxOwner;
    const QList<std::pair<QString, QStringList>> steps = {
        {"chown", {"postfix:postfix", path("data")}},
        {"chown", {kMailboxOwner + ":" + kMailboxOwner, path("mail")}},
        {sourceDir() + "/scripts/setup-postfix-relay.sh",
         {"--config-dir", conf, "--queue-dir", path("queue"), "--mynetworks", "127.0.0.0/8"}},
        {"openssl",
         {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
          "-keyout", conf + "/relay.key", "-out", conf + "/relay.pem", "-days", "2", "-subj",
          "/CN=hub.home.arpa"}},
        {"postconf",
         {"-c",
          conf,
          "-e",
          "inet_interfaces = 127.0.0.1",
          "inet_protocols = ipv4",
          "myhostname = hub.home.arpa",
          "mydestination =",
          "alias_maps =",
          "alias_database =",
          "smtpd_tls_cert_file = " + conf + "/relay.pem",
          "smtpd_tls_key_file = " + conf + "/relay.key",
          "maillog_file_prefixes = " + path({}),
          "maillog_file = " + path("postfix.log"),
          QStringLiteral("virtual_mailbox_domains = example.org"),
          QStringLiteral("virtual_mailbox_maps = inline:{ %1=gran/ }").arg(kRecipient),
          "virtual_mailbox_base = " + path("mail"),
          "virtual_uid_maps = " + ownerMaps,
          "virtual_gid_maps = " + ownerMaps,
          "default_transport = error:not in this test",
          "relay_transport = error:not in this test"}},
        // Only the test's port, and no chroot, which would need copies of /etc.
        {"postconf",
         {"-c", conf, "-M",
          QStringLiteral("127.0.0.1:%1/inet=127.0.0.1:%1 inet n - n - - smtpd").arg(port())}},
        {"postconf", {"-c", conf, "-MX", "smtp/inet"}},
        {"postconf", {"-c", conf, "-F", "*/*/chroot = n"}},
        // Makes the queue's folders with their owners.
        {"postfix", {"-c", conf, "check"}},
    };
    return run(steps);
}

bool TestMailRelay::greets() const {
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), quint16(port()));
    return socket.waitForConnected(1000) && socket.waitForReadyRead(5000) &&
           socket.readLine().startsWith("220 ");
}

QStringList TestMailRelay::waitForMails(int count, int timeoutMs) const {
    const QDir inbox(path("mail/gran/new"));
    eventually([&] { return inbox.entryList(QDir::Files).size() >= count; }, timeoutMs);
    QStringList mails;
    for (const QString& name : inbox.entryList(QDir::Files, QDir::Name))
        mails << inbox.filePath(name);
    return mails;
}
