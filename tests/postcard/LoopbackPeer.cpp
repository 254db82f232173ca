#include "tests/postcard/LoopbackPeer.h"

#include "tests/support/TestSupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kStartTimeoutMs = 15000;

void runOpenssl(const QString& folder, const QStringList& arguments) {
    if (const CommandResult openssl =
            runCommand(QStringLiteral("openssl"), arguments, 30000, folder);
        openssl.exitCode != 0)
        qFatal("%s", qPrintable(openssl.failure));
}

// A key and a certificate for subject, signed by the test authority.
void makeServerCertificate(const QString& folder, const QString& stem, const QString& subject,
                           const QString& altNames) {
    QFile extensions(folder + "/" + stem + ".ext");
    extensions.open(QIODevice::WriteOnly);
    extensions.write(("subjectAltName=" + altNames + "\nbasicConstraints=CA:FALSE\n").toUtf8());
    extensions.close();
    runOpenssl(folder, {"req", "-new", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                        "-nodes", "-keyout", stem + ".key", "-out", stem + ".csr", "-subj",
                        "/CN=" + subject});
    runOpenssl(folder,
               {"x509", "-req", "-in", stem + ".csr", "-CA", "ca.pem", "-CAkey", "ca.key",
                "-CAcreateserial", "-days", "7", "-extfile", stem + ".ext", "-out", stem + ".pem"});
}

TestCertificates makeTestCertificates(const QString& folder) {
    runOpenssl(folder,
               {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                "-nodes", "-keyout", "ca.key", "-out", "ca.pem", "-days", "7", "-subj",
                "/CN=Vellumix test authority", "-addext", "basicConstraints=critical,CA:TRUE",
                "-addext", "keyUsage=critical,keyCertSign"});
    makeServerCertificate(folder, "loopback", "127.0.0.1", "IP:127.0.0.1,DNS:localhost");
    makeServerCertificate(folder, "other", "mail.example.org", "DNS:mail.example.org");
    return {folder + "/ca.pem", folder + "/loopback.pem", folder + "/loopback.key",
            folder + "/other.pem", folder + "/other.key"};
}

// Gives this process a network of its own holding only loopback, with a
// name server on it that takes queries and never answers, and points name
// look-ups there. Returns why that failed; empty when it worked.
std::string isolateWithSilentNameServer(const QByteArray& resolvConf) {
    const auto failed = [](const char* step) { return std::string(step) + ": " + strerror(errno); };
    if (unshare(CLONE_NEWNS | CLONE_NEWNET) != 0)
        return failed("unshare");
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return failed("making the mounts private");
    const int control = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ifreq loopback{};
    std::strncpy(loopback.ifr_name, "lo", IFNAMSIZ - 1);
    if (control < 0 || ioctl(control, SIOCGIFFLAGS, &loopback) != 0)
        return failed("reading loopback's flags");
    loopback.ifr_flags = short(loopback.ifr_flags | IFF_UP);
    if (ioctl(control, SIOCSIFFLAGS, &loopback) != 0)
        return failed("bringing loopback up");
    const int silent = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in nameServer{};
    nameServer.sin_family = AF_INET;
    nameServer.sin_port = htons(53);
    nameServer.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (silent < 0 ||
        bind(silent, reinterpret_cast<sockaddr*>(&nameServer), sizeof nameServer) != 0)
        return failed("binding the silent name server");
    if (mount(resolvConf.constData(), "/etc/resolv.conf", nullptr, MS_BIND, nullptr) != 0)
        return failed("mounting a resolv.conf over /etc/resolv.conf");
    return {};
}

SilentLookUpOutcome refusedBecause(const QString& reason) {
    SilentLookUpOutcome outcome;
    outcome.refused = reason;
    return outcome;
}

void writeAll(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written <= 0)
            return;
        done += std::size_t(written);
    }
}

} // namespace

const TestCertificates& testCertificates() {
    static QTemporaryDir folder;
    static const TestCertificates certificates = makeTestCertificates(folder.path());
    return certificates;
}

ScriptPeer::ScriptPeer(const QString& script, const QStringList& arguments) {
    process_.start(QStringLiteral("/usr/bin/python3"),
                   QStringList{sourceDir() + "/tests/postcard/" + script} + arguments);
    if (!process_.waitForStarted(kStartTimeoutMs)) {
        error_ = process_.errorString();
        return;
    }
    process_.waitUntil([this] { return process_.canReadLine(); }, kStartTimeoutMs);
    const QByteArray line = process_.readLine().trimmed();
    if (line.startsWith("PORT "))
        port_ = line.mid(5).toInt();
    else
        error_ = QString::fromUtf8(process_.readAllStandardError());
}

std::unique_ptr<ScriptPeer> startPostcardService(const QString& reply, int status,
                                                 const QString& logFile, const QString& certificate,
                                                 const QString& key) {
    QStringList arguments{"--reply", reply, "--status", QString::number(status)};
    if (!logFile.isEmpty())
        arguments << "--log" << logFile;
    if (!certificate.isEmpty())
        arguments << "--tls-cert" << certificate << "--tls-key" << key;
    return std::make_unique<ScriptPeer>(QStringLiteral("postcard_service.py"), arguments);
}

std::unique_ptr<ScriptPeer> startSmtpServer(const QString& folder, bool requireAuth,
                                            bool refuseRecipients, StartTls startTls) {
    QStringList arguments{"--folder", folder};
    if (requireAuth)
        arguments << "--require-auth";
    if (refuseRecipients)
        arguments << "--refuse-recipients";
    const TestCertificates& certificates = testCertificates();
    if (startTls == StartTls::OfferedButRefused)
        arguments << "--refuse-starttls";
    if (startTls == StartTls::Offered || startTls == StartTls::OfferedButRefused)
        arguments << "--tls-cert" << certificates.loopbackCert << "--tls-key"
                  << certificates.loopbackKey;
    if (startTls == StartTls::OfferedForAnotherHost)
        arguments << "--tls-cert" << certificates.otherHostCert << "--tls-key"
                  << certificates.otherHostKey;
    return std::make_unique<ScriptPeer>(QStringLiteral("smtp_sink.py"), arguments);
}

SilentServer::SilentServer() {
    server_.listen(QHostAddress::LocalHost, 0);
}

SilentLookUpOutcome runBesideSilentNameServer(const std::function<void()>& call) {
    QTemporaryDir folder;
    const QByteArray resolvConf = QFile::encodeName(folder.filePath("resolv.conf"));
    QFile conf(QString::fromLocal8Bit(resolvConf));
    // Long waits, so that a client waiting out the resolver stands out.
    if (!conf.open(QIODevice::WriteOnly) ||
        conf.write("nameserver 127.0.0.1\noptions timeout:10 attempts:2\n") < 0)
        return refusedBecause("cannot write " + conf.fileName());
    conf.close();

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return refusedBecause(QStringLiteral("pipe: ") + strerror(errno));
    const pid_t child = fork();
    if (child < 0)
        return refusedBecause(QStringLiteral("fork: ") + strerror(errno));
    if (child == 0) {
        close(report[0]);
        const std::string refused = isolateWithSilentNameServer(resolvConf);
        if (!refused.empty()) {
            writeAll(report[1], "R" + refused);
            _exit(0);
        }
        std::string outcome = "N";
        try {
            call();
        } catch (const std::exception& e) {
            outcome = std::string("T") + e.what();
        }
        writeAll(report[1], outcome);
        _exit(0);
    }
    close(report[1]);
    QByteArray text;
    char buffer[512];
    for (ssize_t got; (got = read(report[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, got);
    close(report[0]);
    int status = 0;
    waitpid(child, &status, 0);

    if (text.startsWith('R'))
        return refusedBecause(QString::fromLocal8Bit(text.mid(1)));
    SilentLookUpOutcome outcome;
    if (!WIFEXITED(status) || text.isEmpty()) {
        outcome.what = QStringLiteral("the child ended without a word, status %1").arg(status);
        return outcome;
    }
    outcome.threw = text.at(0) == 'T';
    outcome.what = QString::fromUtf8(text.mid(1));
    return outcome;
}

::testing::AssertionResult timedOutWithin(const QString& what, int limitMs) {
    static const QRegularExpression account(QStringLiteral("timed out after (\\d+) milliseconds"));
    const QRegularExpressionMatch match = account.match(what);
    if (what.startsWith(QLatin1String("Timeout was reached")) &&
        (!match.hasMatch() || match.captured(1).toInt() < limitMs))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "not a time-out within " << limitMs << " ms: " << what.toStdString();
}

void bypassProxies() {
    for (const char* name :
         {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
}
