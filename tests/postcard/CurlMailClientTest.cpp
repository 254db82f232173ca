// The mail client against a real SMTP server on loopback.
#include "postcard/CurlMailClient.h"

#include "postcard/PostcardConstants.h"
#include "postcardprotocol/DeliveryError.h"
#include "tests/postcard/LoopbackPeer.h"
#include "tests/postcard/PictureCompare.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ThrownBy.h"

#include <QDir>
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
        attachment_ = dir_.path() + "/MyPicture.jpg";
        ASSERT_TRUE(samplePicture(40, 30).save(attachment_, "JPEG"));
    }

    PostcardMail mailTo(int port, const QString& username = "postcard-user",
                        const QString& password = "secret") const {
        PostcardMail mail;
        mail.server = "127.0.0.1";
        mail.mailfrom = "postcards@school.example";
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

    // Starts a server, in place of the last one, on an empty inbox; its port.
    int startServer(bool requireAuth, bool refuseRecipients = false,
                    StartTls startTls = StartTls::Offered) {
        server_.reset();
        QDir(inbox_).removeRecursively();
        QDir().mkpath(inbox_);
        server_ = startSmtpServer(inbox_, requireAuth, refuseRecipients, startTls);
        EXPECT_NE(server_->port(), 0) << server_->error().toStdString();
        return server_->port();
    }

    QStringList received() const {
        return QDir(inbox_).entryList({"*.json"}, QDir::Files, QDir::Name);
    }

    // The AUTH commands the server was sent, one a line, "tls=1" when inside TLS.
    std::string authCommands() const {
        QFile log(inbox_ + "/auth.log");
        return log.open(QIODevice::ReadOnly) ? log.readAll().toStdString() : std::string();
    }

    // How sending mail failed; a failure of the test when it did not.
    DeliveryError failure(const PostcardMail& mail) {
        return thrownBy<DeliveryError>([&] { client_.send(mail); });
    }

    QJsonObject message(const QString& name) const {
        QFile file(inbox_ + "/" + name);
        file.open(QIODevice::ReadOnly);
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    QTemporaryDir dir_;
    const QString inbox_ = dir_.path() + "/inbox";
    std::unique_ptr<ScriptPeer> server_;
    QString attachment_;
    MailTimeouts quick_{2s, 2s, 5s};
    CurlMailClient client_{quick_, testCertificates().caFile};
};

} // namespace

TEST_F(CurlMailClientTest, LogsInInsideTlsWhenTheMailHasAUserName) {
    client_.send(mailTo(startServer(/*requireAuth=*/true)));
    ASSERT_EQ(received().size(), 1);
    const QJsonObject mail = message(received().first());
    EXPECT_EQ(mail["login"].toString(), "postcard-user");
    EXPECT_TRUE(mail["tls"].toBool());
    EXPECT_EQ(authCommands(), "AUTH tls=1\n");
}

TEST_F(CurlMailClientTest, NoLoginWithoutTlsAndAVerifiedCertificate) {
    struct Case {
        const char* what;
        StartTls startTls;
        QString caFile;
    };
    const Case cases[] = {
        {"no STARTTLS", StartTls::NotOffered, testCertificates().caFile},
        {"an unknown authority", StartTls::Offered, {}},
        {"a certificate for another host", StartTls::OfferedForAnotherHost,
         testCertificates().caFile},
    };
    for (const Case& c : cases) {
        const PostcardMail mail = mailTo(startServer(/*requireAuth=*/true, false, c.startTls));
        EXPECT_THROW(CurlMailClient(quick_, c.caFile).send(mail), DeliveryError) << c.what;
        EXPECT_EQ(authCommands(), "") << c.what;
        EXPECT_TRUE(received().isEmpty()) << c.what;
    }
}

TEST_F(CurlMailClientTest, WithoutAUserNameSendsWithTlsWhereOfferedCheckedAsTheSettingsSay) {
    struct Case {
        const char* what;
        StartTls startTls;
        bool knownAuthority;
        bool verify;
        bool sent;
        bool noted; // the certificate let pass, on standard error
    };
    const Case cases[] = {
        {"no STARTTLS", StartTls::NotOffered, true, false, true, false},
        {"no STARTTLS, strict", StartTls::NotOffered, true, true, true, false},
        {"a verified certificate", StartTls::Offered, true, true, true, false},
        {"an unknown authority", StartTls::Offered, false, false, true, true},
        {"a certificate for another host", StartTls::OfferedForAnotherHost, true, false, true,
         true},
        {"an unknown authority, strict", StartTls::Offered, false, true, false, false},
        {"STARTTLS offered, then refused", StartTls::OfferedButRefused, true, false, false, false},
    };
    for (const Case& c : cases) {
        const PostcardMail mail =
            mailTo(startServer(/*requireAuth=*/false, false, c.startTls), "", "");
        QStringList notes;
        CurlMailClient client(quick_, c.knownAuthority ? testCertificates().caFile : QString(),
                              c.verify, [&](const QString& line) { notes << line; });
        try {
            client.send(mail);
            EXPECT_TRUE(c.sent) << c.what;
        } catch (const DeliveryError& e) {
            EXPECT_FALSE(c.sent) << c.what << ": " << e.what();
            EXPECT_EQ(e.stage(), "TLS") << c.what;
        }
        EXPECT_EQ(notes.size(), c.noted ? 1 : 0) << c.what << notes.join('\n').toStdString();
        for (const QString& note : notes)
            EXPECT_TRUE(note.contains("certificate")) << note.toStdString();
        ASSERT_EQ(received().size(), c.sent ? 1 : 0) << c.what;
        if (!c.sent)
            continue;
        const QJsonObject stored = message(received().first());
        EXPECT_EQ(stored["login"].toString(), "");
        EXPECT_EQ(stored["tls"].toBool(), c.startTls != StartTls::NotOffered) << c.what;
        EXPECT_EQ(stored["rcpt_tos"].toArray(), QJsonArray{"gran@example.org"});
        EXPECT_TRUE(
            stored["headers"].toObject()["Message-ID"].toString().endsWith("@school.example>"));
    }
}

TEST_F(CurlMailClientTest, AWrongPasswordFails) {
    const DeliveryError error =
        failure(mailTo(startServer(/*requireAuth=*/true), "postcard-user", "wrong-one"));
    EXPECT_EQ(error.stage(), "login") << error.what();
    EXPECT_FALSE(std::string(error.what()).find("wrong-one") != std::string::npos) << error.what();
    EXPECT_TRUE(received().isEmpty());
}

TEST_F(CurlMailClientTest, ARefusedRecipientIsNamedWithTheRelaysReply) {
    const DeliveryError error =
        failure(mailTo(startServer(/*requireAuth=*/false, /*refuseRecipients=*/true), "", ""));
    EXPECT_EQ(error.stage(), "recipient");
    EXPECT_NE(std::string(error.what()).find("550 5.1.1 No such mailbox here"), std::string::npos)
        << error.what();
}

TEST_F(CurlMailClientTest, BodyAndAttachmentSurviveTheTrip) {
    PostcardMail mail = mailTo(startServer(/*requireAuth=*/false), "", "");
    // A lone "." line would end the message early unless it is escaped.
    mail.messagetext = "Liebe Grüße\n.\nfrom a very long line " + QString(300, 'x');
    client_.send(mail);
    ASSERT_EQ(received().size(), 1);
    const QJsonObject stored = message(received().first());
    EXPECT_EQ(stored["body"].toString(), QString(mail.messagetext).replace("\n", "\r\n"));
    EXPECT_EQ(stored["body_type"].toString(), "text/plain");
    QFile sent(attachment_), got(inbox_ + "/1-0.bin");
    ASSERT_TRUE(sent.open(QIODevice::ReadOnly) && got.open(QIODevice::ReadOnly));
    EXPECT_EQ(got.readAll(), sent.readAll());
}

TEST_F(CurlMailClientTest, AMissingAttachmentFails) {
    const PostcardMail mail = mailTo(startServer(/*requireAuth=*/false), "", "");
    QFile::remove(attachment_);
    EXPECT_THROW(client_.send(mail), DeliveryError);
    EXPECT_TRUE(received().isEmpty());
}

TEST_F(CurlMailClientTest, NoServerListeningFails) {
    EXPECT_EQ(failure(mailTo(closedPort())).stage(), "mail connection");
}

TEST_F(CurlMailClientTest, ASilentServerIsGivenUpWithinTheTimeOuts) {
    SilentServer silent;
    const auto e = thrownBy<DeliveryError>([&] {
        CurlMailClient({1s, 1s, 3s}).send(mailTo(silent.port()));
    });
    EXPECT_TRUE(timedOutWithin(e.what(), 15000)) << "a default time-out, not those given";
}

TEST_F(CurlMailClientTest, ANameServerThatNeverAnswersIsGivenUpWithinTheTimeOut) {
    PostcardMail mail = mailTo(25);
    mail.server = "mail.postcards.example.net";
    const SilentLookUpOutcome outcome = runBesideSilentNameServer([&] {
        CurlMailClient({1s, 1s, 3s}).send(mail);
    });
    if (!outcome.refused.isEmpty())
        GTEST_SKIP() << "no silent name server here: " << outcome.refused.toStdString();
    EXPECT_TRUE(outcome.threw);
    EXPECT_TRUE(timedOutWithin(outcome.what, 5000)) << "a 1 s time-out, not the resolver's 20 s";
}
