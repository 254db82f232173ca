#include "tests/whole/TestMailRelay.h"

#include "tests/support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QThread>

namespace {

const QString kMaster = QStringLiteral("/usr/lib/postfix/sbin/master");
// The mailbox's owner; the virtual delivery agent refuses root.
const QString kMailboxOwner = QStringLiteral("65534");

// Runs a command to its end; empty when it succeeded, else what it said.
QString failureOf(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return {};
    const QString said = QString::fromLocal8Bit(process.readAll()).trimmed();
    return program + " " + arguments.join(' ') + ": " +
           (said.isEmpty() ? process.errorString() : said);
}

} // namespace

TestMailRelay::TestMailRelay() {
    for (const QString& needed : {QStringLiteral("/usr/sbin/postfix"), kMaster})
        if (!QFile::exists(needed)) {
            why_ = needed + " is missing (postfix)";
            return;
        }
    port_ = closedPort();
    if (!dir_.isValid() || port_ == 0 || !configure())
        return;
    // setsid: the master stops its daemons through its process group.
    master_.setProcessChannelMode(QProcess::MergedChannels);
    master_.start(QStringLiteral("unshare"),
                  {"--mount", "sh", "-c",
                   "mount --bind \"$1\" /var/lib/postfix && exec setsid \"$2\" -d -c \"$3\"", "sh",
                   path("data"), kMaster, path("conf")});
    if (!waitUntilGreeting())
        return;
}

TestMailRelay::~TestMailRelay() {
    if (master_.state() == QProcess::NotRunning)
        return;
    master_.terminate();
    if (!master_.waitForFinished(10000))
        master_.kill();
    master_.waitForFinished(5000);
}

bool TestMailRelay::configure() {
    const QString conf = path("conf");
    for (const char* folder : {"conf", "queue", "data", "mail"})
        QDir(dir_.path()).mkpath(QString::fromLatin1(folder));
    // The daemons run as postfix and the mailbox's owner: they must reach in.
    QFile::setPermissions(dir_.path(), QFile::permissions(dir_.path()) | QFile::ExeOther |
                                           QFile::ReadOther | QFile::ExeGroup | QFile::ReadGroup);
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
          "maillog_file_prefixes = " + dir_.path(),
          "maillog_file = " + path("postfix.log"),
          QStringLiteral("virtual_mailbox_domains = example.org"),
          "virtual_mailbox_maps = texthash:" + conf + "/mailboxes",
          "virtual_mailbox_base = " + path("mail"),
          "virtual_uid_maps = " + ownerMaps,
          "virtual_gid_maps = " + ownerMaps,
          "default_transport = error:not in this test",
          "relay_transport = error:not in this test"}},
        // Only the test's port, and no chroot, which would need copies of /etc.
        {"postconf",
         {"-c", conf, "-M",
          QStringLiteral("127.0.0.1:%1/inet=127.0.0.1:%1 inet n - n - - smtpd").arg(port_)}},
        {"postconf", {"-c", conf, "-MX", "smtp/inet"}},
        {"postconf", {"-c", conf, "-F", "*/*/chroot = n"}},
    };
    QFile mailboxes(conf + "/mailboxes");
    if (!mailboxes.open(QIODevice::WriteOnly) ||
        mailboxes.write(QByteArray(kRecipient) + " gran/\n") < 0) {
        why_ = "cannot write " + mailboxes.fileName();
        return false;
    }
    mailboxes.close();
    for (const auto& [program, arguments] : steps)
        if (why_ = failureOf(program, arguments); !why_.isEmpty())
            return false;
    // Makes the queue's folders with their owners.
    why_ = failureOf(QStringLiteral("postfix"), {"-c", conf, "check"});
    return why_.isEmpty();
}

bool TestMailRelay::waitUntilGreeting() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), quint16(port_));
        if (socket.waitForConnected(1000) && socket.waitForReadyRead(5000) &&
            socket.readLine().startsWith("220 "))
            return true;
        if (master_.waitForFinished(200) || master_.state() == QProcess::NotRunning) {
            why_ = "Postfix could not start here: " +
                   QString::fromLocal8Bit(master_.readAll()).trimmed() + " " + logTail();
            return false;
        }
    }
    why_ = QStringLiteral("Postfix did not greet within 20 s: ") + logTail();
    return false;
}

QStringList TestMailRelay::waitForMails(int count, int timeoutMs) const {
    const QDir inbox(path("mail/gran/new"));
    QElapsedTimer clock;
    clock.start();
    QStringList mails;
    for (;;) {
        mails.clear();
        for (const QString& name : inbox.entryList(QDir::Files, QDir::Name))
            mails << inbox.filePath(name);
        if (mails.size() >= count || clock.elapsed() > timeoutMs)
            return mails;
        QThread::msleep(200);
    }
}

QString TestMailRelay::logTail() const {
    QFile log(path("postfix.log"));
    if (!log.open(QIODevice::ReadOnly))
        return QStringLiteral("(no Postfix log)");
    return QString::fromLocal8Bit(log.readAll().right(3000));
}
