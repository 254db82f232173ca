// The mail client against a real SMTP server on loopback.
#include "postcard/CurlMailClient.h"

#include "postcard/DeliveryError.h"
#include "postcard/PostcardConstants.h"
#include "tests/postcard/LoopbackPeer.h"
#include "tests/postcard/PictureCompare.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class CurlMailClientTest : public ::testing::Test {
protected:
    void SetUp() override {
        inbox_ = dir_.path() + "/inbox";
        QDir().mkpath(inbox_);
        attachment_ = dir_.path() + "/MyPicture.jpg";
        ASSERT_TRUE(samplePicture(40, 30).save(attachment_, "JPEG"));
    }

    PostcardMail mailTo(int port, const QString& username = "postcard-user",
                        const QString& password = "secret") const {
        PostcardMail mail;
        mail.server = "127.0.0.1";
        mail.mailfrom = PostcardSenderAddress;
        mail.sendto = "gran@example.org";
        mail.port = port;
        mail.maildate = "Tue, 08 Dec 2026 14:05:09 +0100";
        mail.username = username;
        mail.password = password;
        mail.messagesubject = PostcardSubject;
        mail.messagetext = "Hello";
        mail.attachmentPath = attachment_;
        return mail;
    }

    QStringList received() const {
        return QDir(inbox_).entryList({"*.json"}, QDir::Files, QDir::Name);
    }

    QJsonObject message(const QString& name) const {
        QFile file(inbox_ + "/" + name);
        file.open(QIODevice::ReadOnly);
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    QTemporaryDir dir_;
    QString inbox_;
    QString attachment_;
    MailTimeouts quick_{2s, 2s, 5s};
};

} // namespace

TEST_F(CurlMailClientTest, LogsInWhenTheMailHasAUserName) {
    const auto server = startSmtpServer(inbox_, /*requireAuth=*/true);
    ASSERT_NE(server->port(), 0) << server->error().toStdString();
    CurlMailClient(quick_).send(mailTo(server->port()));
    ASSERT_EQ(received().size(), 1);
    EXPECT_EQ(message(received().first())["login"].toString(), "postcard-user");
}

TEST_F(CurlMailClientTest, SendsWithoutLoginWhenTheUserNameIsEmpty) {
    const auto server = startSmtpServer(inbox_, /*requireAuth=*/false);
    ASSERT_NE(server->port(), 0) << server->error().toStdString();
    CurlMailClient(quick_).send(mailTo(server->port(), "", ""));
    ASSERT_EQ(received().size(), 1);
    const QJsonObject mail = message(received().first());
    EXPECT_EQ(mail["login"].toString(), "");
    EXPECT_EQ(mail["rcpt_tos"].toArray(), QJsonArray{"gran@example.org"});
}

TEST_F(CurlMailClientTest, AWrongPasswordFails) {
    const auto server = startSmtpServer(inbox_, /*requireAuth=*/true);
    ASSERT_NE(server->port(), 0) << server->error().toStdString();
    EXPECT_THROW(CurlMailClient(quick_).send(mailTo(server->port(), "postcard-user", "wrong")),
                 DeliveryError);
    EXPECT_TRUE(received().isEmpty());
}

TEST_F(CurlMailClientTest, BodyAndAttachmentSurviveTheTrip) {
    const auto server = startSmtpServer(inbox_, /*requireAuth=*/false);
    ASSERT_NE(server->port(), 0) << server->error().toStdString();
    PostcardMail mail = mailTo(server->port(), "", "");
    // A lone "." line would end the message early unless it is escaped.
    mail.messagetext = "Liebe Grüße\n.\nfrom a very long line " + QString(300, 'x');
    CurlMailClient(quick_).send(mail);
    ASSERT_EQ(received().size(), 1);
    const QJsonObject stored = message(received().first());
    EXPECT_EQ(stored["body"].toString(), QString(mail.messagetext).replace("\n", "\r\n"));
    EXPECT_EQ(stored["body_type"].toString(), "text/plain");
    QFile sent(attachment_), got(inbox_ + "/1-0.bin");
    ASSERT_TRUE(sent.open(QIODevice::ReadOnly) && got.open(QIODevice::ReadOnly));
    EXPECT_EQ(got.readAll(), sent.readAll());
}

TEST_F(CurlMailClientTest, AMissingAttachmentFails) {
    const auto server = startSmtpServer(inbox_, /*requireAuth=*/false);
    ASSERT_NE(server->port(), 0) << server->error().toStdString();
    QFile::remove(attachment_);
    EXPECT_THROW(CurlMailClient(quick_).send(mailTo(server->port(), "", "")), DeliveryError);
    EXPECT_TRUE(received().isEmpty());
}

TEST_F(CurlMailClientTest, NoServerListeningFails) {
    EXPECT_THROW(CurlMailClient(quick_).send(mailTo(closedPort())), DeliveryError);
}

TEST_F(CurlMailClientTest, ASilentServerIsGivenUpWithinTheTimeOuts) {
    SilentServer silent;
    QElapsedTimer clock;
    clock.start();
    EXPECT_THROW(CurlMailClient({1s, 1s, 3s}).send(mailTo(silent.port())), DeliveryError);
    // Far below the default time-outs, far above the ones given: a busy
    // machine must not fail this.
    EXPECT_LT(clock.elapsed(), 15000);
}
