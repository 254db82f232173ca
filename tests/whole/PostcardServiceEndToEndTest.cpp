// A postcard from the real window through the real postcard service over
// HTTPS and Debian's Postfix as the relay, with its self-signed STARTTLS and
// no login, all on loopback.
#include "tests/postcard/LoopbackPeer.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Facts.h"
#include "tests/whole/CanvasShots.h"
#include "tests/whole/TestMailRelay.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// vellumix-postcard-service on a free port of 127.0.0.1, HTTPS with the
// test's loopback certificate, naming relayPort's relay and letting the
// networks given ask.
class RunningService {
public:
    RunningService(const QString& folder, int relayPort, const QString& allowed, int port = 0) {
        const TestCertificates& certificates = testCertificates();
        QFile config(folder + "/service.conf");
        config.open(QIODevice::WriteOnly);
        config.write(QStringLiteral("[listen]\nport = %1\ncertificate = %2\nkey = %3\n"
                                    "[mail]\nserver = 127.0.0.1\nport = %4\n"
                                    "[clients]\nallowed = %5\n"
                                    "[postcard]\ntemplate = Dear {recipient},\\n{sender} says: "
                                    "{message}\n")
                         .arg(port)
                         .arg(certificates.loopbackCert, certificates.loopbackKey)
                         .arg(relayPort)
                         .arg(allowed)
                         .toUtf8());
        config.close();
        process_.start(QStringLiteral(VELLUMIX_POSTCARD_SERVICE), {"--config", config.fileName()});
        static const QRegularExpression listening(
            QStringLiteral("listening on https://[^:]+:(\\d+)"));
        port_ = listening.match(log(listening, 15000)).captured(1).toInt();
    }
    int port() const { return port_; }
    // What it logged so far, waiting (bounded) for expected to show.
    QString log(const QRegularExpression& expected = {}, int timeoutMs = 5000) {
        process_.waitUntil(
            [&] {
                log_ += QString::fromUtf8(process_.readAllStandardError());
                return log_.contains(expected);
            },
            timeoutMs);
        return log_;
    }
    // SIGTERM; its exit code, -1 when it did not end in time.
    int stop() {
        process_.terminate();
        if (!process_.waitForFinished(10000))
            return -1;
        log_ += QString::fromUtf8(process_.readAllStandardError());
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }

private:
    ChildProcess process_;
    QString log_;
    int port_ = 0;
};

// Addresses a postcard in the open composer and presses Send.
void sendPostcard(RunningProgram& program, const QString& recipient, const QString& message) {
    program.click(controlCentre("cmdSEND"));
    const QString composer = program.waitForOtherWindow(QStringLiteral("Send Drawing"), 10000);
    ASSERT_FALSE(composer.isEmpty()) << "the composer did not open";
    ASSERT_TRUE(program.focusWindow(composer));
    // The message has the focus; the recipient comes next, Send after the sender.
    program.type(message);
    program.key("Tab");
    program.type(recipient);
    program.key("Tab");
    program.type("Tom");
    program.key("Tab");
    program.key("space");
}

// The status window once it has shown its outcome (the only window of the
// program without a title); empty when none showed.
QImage outcomeShot(const RunningProgram& program) {
    if (program.waitForOtherWindow(QString(), 30000).isEmpty())
        return {};
    QThread::msleep(1500); // well inside the three seconds the outcome shows
    return program.screenshot();
}

// How wide the status text of shot is: the light pixels where it differs
// from other, a shot of the same window with another text.
int textWidth(const QImage& shot, const QImage& other) {
    int left = shot.width();
    int right = -1;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) != other.pixel(x, y) && qGray(shot.pixel(x, y)) > 200) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right - left;
}

// What mail_summary.py reads of a delivered mail: its summary, and the bytes
// of its first attachment.
std::pair<QJsonObject, QByteArray> summarise(const QString& mail, const QString& stem) {
    const CommandResult python =
        runCommand(QStringLiteral("/usr/bin/python3"),
                   {sourceDir() + "/tests/postcard/mail_summary.py", mail, stem});
    QFile summary(stem + ".json"), picture(stem + "-0.bin");
    if (!summary.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "no summary: " << python.errors.toStdString();
    picture.open(QIODevice::ReadOnly);
    return {QJsonDocument::fromJson(summary.readAll()).object(), picture.readAll()};
}

} // namespace

TEST(PostcardService, APostcardArrivesThroughTheServiceAndIsRefusedOnceLoopbackIsNotAllowed) {
    bypassProxies();
    QTemporaryDir dir;
    const TestMailRelay relay;
    if (!relay.ok())
        GTEST_SKIP() << "no Postfix of the test's own: " << relay.why().toStdString();
    auto service = std::make_unique<RunningService>(dir.path(), relay.port(), "127.0.0.0/8");
    ASSERT_NE(service->port(), 0) << service->log().toStdString();
    const int servicePort = service->port();

    ScratchDataFolder scratch;
    RunningProgram program(scratch);
    QDir().mkpath(program.configFolder() + "/Vellumix");
    QFile settings(program.configFolder() + "/Vellumix/Vellumix.conf");
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(QStringLiteral("[postcard]\nservice=https://127.0.0.1:%1\n"
                                  "sender=cards@school.example\n")
                       .arg(servicePort)
                       .toUtf8());
    settings.close();
    program.setEnvironment("SSL_CERT_FILE", testCertificates().caFile);
    ASSERT_TRUE(program.start());

    ASSERT_NO_FATAL_FAILURE(sendPostcard(program, TestMailRelay::kRecipient, "Hi gran ^_^"));
    const QImage sent = outcomeShot(program);
    ASSERT_FALSE(sent.isNull()) << "no status window";
    keep(sent, "postcard-service-sent");
    ASSERT_TRUE(program.waitUntilGone(QString(), 10000));

    const QStringList delivered = relay.waitForMails(1, 20000);
    ASSERT_EQ(delivered.size(), 1) << service->log().toStdString() << relay.logTail().toStdString();
    const auto [mail, picture] = summarise(delivered.first(), dir.filePath("1"));
    EXPECT_EQ(mail["mail_from"].toString(), "cards@school.example");
    EXPECT_EQ(mail["headers"].toObject()["From"].toString(), "cards@school.example");
    EXPECT_TRUE(mail["tls"].toBool()) << "inside STARTTLS, the certificate unchecked";
    EXPECT_EQ(mail["body"].toString().replace("\r\n", "\n").trimmed(),
              QString::fromUtf8("Dear gran@example.org,\nTom says: Hi gran \u02C6_\u02C6\n\n"
                                "This picture was made with Vellumix."));
    ASSERT_EQ(mail["attachments"].toArray().size(), 1);
    EXPECT_EQ(QImage::fromData(picture, "JPEG").size(), kCanvasSize) << "the picture, a JPEG";

    // The service again on the same port, loopback no longer allowed.
    EXPECT_EQ(service->stop(), 0) << "SIGTERM stops it cleanly";
    EXPECT_TRUE(service->log().contains(" example.org 200 reply given"))
        << service->log().toStdString();
    service =
        std::make_unique<RunningService>(dir.path(), relay.port(), "192.0.2.0/24", servicePort);
    ASSERT_EQ(service->port(), servicePort) << service->log().toStdString();
    ASSERT_NO_FATAL_FAILURE(sendPostcard(program, TestMailRelay::kRecipient, "Again"));
    const QImage failed = outcomeShot(program);
    ASSERT_FALSE(failed.isNull()) << "no status window";
    keep(failed, "postcard-service-refused");
    EXPECT_GT(textWidth(failed, sent), textWidth(sent, failed) + 100)
        << "the longer failure text, not the success's";
    EXPECT_EQ(relay.waitForMails(2, 3000).size(), 1) << "nothing more reached the relay";
    const QString refusal = QStringLiteral("127.0.0.1 - - refused: network not allowed");
    EXPECT_TRUE(service->log(QRegularExpression(refusal)).contains(refusal))
        << service->log().toStdString();
    program.close();
    EXPECT_EQ(program.waitForExit(30000), 0);
}
