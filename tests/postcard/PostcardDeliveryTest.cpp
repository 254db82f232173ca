// A postcard sent through the composer's Send button: what the window hands
// the postcard service and the mail server and how the delivery ends, with
// in-process clients; and once end to end, through a real postcard service
// and a real SMTP server on loopback.
#include "postcard/LimitedPlainTextEdit.h"
#include "postcard/PostcardConstants.h"
#include "tests/postcard/LoopbackPeer.h"
#include "tests/postcard/PictureCompare.h"
#include "tests/postcard/PostcardHarness.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>
#include <QWindow>

using namespace std::chrono_literals;

namespace {

const QString kAccountReply = "127.0.0.1^postcard-user^secret^A postcard for you!^ignored";
constexpr char kNoService[] = "Could not connect to server";

// One stage's text as the status window showed it.
struct ShownStatus {
    QString text;
    bool onScreen;
};

class PostcardDeliveryTest : public PostcardHarness {
protected:
    void SetUp() override {
        network_.reply = kAccountReply;
        settings_.mailTimeouts = {2s, 2s, 5s};
    }

    // As when nothing listens at the service's address.
    void failService() { network_.serviceFailure = kNoService; }

    // Opens the composer, fills it in and presses Send; returns once the
    // delivery is over, as it runs inside the click. What an earlier send
    // showed and logged is forgotten.
    void sendPostcard(const QString& recipient, const QString& message = "I coloured a cat",
                      const QString& sender = "kid@example.org") {
        shown_.clear();
        logLines_.clear();
        frmPostcard* composer = openComposer();
        control<QLineEdit>("txtMailTO")->setText(recipient);
        control<QLineEdit>("txtMailFROM")->setText(sender);
        control<LimitedPlainTextEdit>("txtMSG")->setPlainText(message);
        QObject::connect(composer, &frmPostcard::statusShown, [this](const QString& text) {
            frmSTATUS* status = statusWindow();
            const bool onScreen = status && status->isVisible() && status->windowHandle() &&
                                  status->windowHandle()->isExposed() &&
                                  status->statusText() == text;
            shown_.append({text, onScreen});
            if (duringOutcome_ && (text == StatusSent || text == StatusFailed))
                QTimer::singleShot(200, duringOutcome_);
        });
        QTest::mouseClick(control<QPushButton>("cmdSEND"), Qt::LeftButton);
    }

    QStringList shownTexts() const {
        QStringList texts;
        for (const ShownStatus& status : shown_)
            texts << status.text;
        return texts;
    }

    // Sends to gran with these postcard settings.
    void sendWithSettings(const QString& service, const QString& sender) {
        settings_.service = service;
        settings_.sender = sender;
        sendPostcard("gran@example.org");
    }

    // Both windows closed, the failure text was the last word, no mail went;
    // given the stage that failed, standard error had one line naming it,
    // without the password.
    void expectFailureEnding(const char* stage = nullptr) {
        ASSERT_FALSE(shown_.isEmpty());
        EXPECT_EQ(shown_.last().text, StatusFailed);
        EXPECT_TRUE(shown_.last().onScreen);
        settle();
        EXPECT_TRUE(composer_.isNull());
        EXPECT_EQ(statusWindow(), nullptr);
        EXPECT_TRUE(network_.delivered().isEmpty());
        if (!stage)
            return;
        ASSERT_EQ(logLines_.size(), 1);
        EXPECT_TRUE(logLines_[0].startsWith(
            QStringLiteral("Vellumix: a postcard could not be sent: ") + stage + ": "))
            << logLines_[0].toStdString();
        EXPECT_FALSE(logLines_[0].contains("secret")) << "never the password";
    }

    // The picture as sent arrived whole, as the canvas showed it.
    void expectTheCanvasPicture(const QImage& picture) const {
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), canvas_.size());
        EXPECT_LT(meanAbsoluteDifference(picture, canvas_), 4.0);
    }

    QList<ShownStatus> shown_;
    std::function<void()> duringOutcome_; // runs 200 ms into the outcome's display
};

// The program's own clients, a real postcard service and a real SMTP server.
class PostcardEndToEndTest : public PostcardDeliveryTest {
protected:
    void SetUp() override {
        PostcardDeliveryTest::SetUp();
        bypassProxies();
        services_.makeHttpClient = makeCurlHttpClient;
        services_.makeMailClient = makeCurlMailClient;
        settings_.caBundle = testCertificates().caFile;
        inbox_ = dir_.path() + "/inbox";
        QDir().mkpath(inbox_);
    }

    QString inbox_;
};

} // namespace

TEST_F(PostcardDeliveryTest, APostcardArrivesWithThePictureAttached) {
    settings_.service = "https://postcards.school.example:8443";
    settings_.smtpPort = 2525;
    settings_.caBundle = "/etc/vellumix/ca.pem";
    settings_.verifyRelayCertificate = true;
    QFile::copy(dataFile(DataFiles::PostcardBackground),
                dataFile(DataFiles::TempPicture)); // left over

    const qint64 before = QDateTime::currentSecsSinceEpoch();
    sendPostcard("gran@example.org", "Dear gran,\nthis is Tom & Jerry #1 = cat",
                 "Tom <kid@example.org>");

    EXPECT_EQ(shownTexts(),
              (QStringList{StatusPreparing, StatusChecking, StatusSendingPostcard, StatusSent}));
    for (const ShownStatus& status : shown_)
        EXPECT_TRUE(status.onScreen) << status.text.toStdString();
    settle();
    EXPECT_TRUE(composer_.isNull());
    EXPECT_EQ(statusWindow(), nullptr);
    EXPECT_TRUE(reports_.isEmpty());
    EXPECT_TRUE(logLines_.isEmpty()) << logLines_.join('\n').toStdString();
    EXPECT_FALSE(QFile::exists(dataFile(DataFiles::TempPicture)));
    EXPECT_TRUE(QFile::exists(dataFile(DataFiles::PostcardPicture)));

    // The service heard the texts exactly as typed, within its time-out.
    EXPECT_EQ(network_.serviceTimeouts, QList{settings_.serviceTimeout});
    ASSERT_EQ(network_.urls.size(), 1);
    const QUrl request(network_.urls.first());
    const QUrlQuery query(request.query(QUrl::FullyEncoded));
    EXPECT_EQ(request.host(), "postcards.school.example");
    EXPECT_EQ(request.port(), 8443);
    EXPECT_EQ(request.path(), "/qzsmtp.asp");
    EXPECT_EQ(query.queryItemValue("ID"), "QZ");
    EXPECT_EQ(query.queryItemValue("mailFrom", QUrl::FullyDecoded), "Tom <kid@example.org>");
    EXPECT_EQ(query.queryItemValue("mailTo", QUrl::FullyDecoded), "gran@example.org");
    EXPECT_EQ(query.queryItemValue("msg", QUrl::FullyDecoded),
              "Dear gran,\nthis is Tom & Jerry #1 = cat");
    EXPECT_EQ(query.queryItemValue("serial"), PostcardSerial);

    // Exactly one mail, from the program's sender, through the service's
    // account, with its text and the picture on disk attached.
    ASSERT_EQ(network_.mails.size(), 1);
    const FakeNetwork::GivenMail& given = network_.mails.first();
    EXPECT_EQ(given.mail.server, "127.0.0.1");
    EXPECT_EQ(given.mail.port, 2525);
    EXPECT_EQ(given.mail.username, "postcard-user");
    EXPECT_EQ(given.mail.password, "secret");
    EXPECT_EQ(given.caBundle, "/etc/vellumix/ca.pem");
    EXPECT_TRUE(given.verifyRelayCertificate);
    EXPECT_EQ(given.mail.mailfrom, kTestSender);
    EXPECT_EQ(given.mail.sendto, "gran@example.org");
    EXPECT_EQ(given.mail.messagesubject, "Vellumix email-postcard!");
    EXPECT_EQ(given.mail.messagetext, "A postcard for you!");
    const qint64 dated =
        QDateTime::fromString(given.mail.maildate, Qt::RFC2822Date).toSecsSinceEpoch();
    EXPECT_GE(dated, before - 1);
    EXPECT_LE(dated, QDateTime::currentSecsSinceEpoch() + 1);
    EXPECT_EQ(given.mail.attachmentPath, dataFile(DataFiles::PostcardPicture));
    expectTheCanvasPicture(QImage::fromData(given.attachment, "JPEG"));
}

TEST_F(PostcardDeliveryTest, TheOutcomeStaysWhileTheWindowsKeepWorking) {
    failService();
    settings_.outcomeDisplayTime = 600ms;
    QStringList duringTheWait;
    QTimer tick; // stands for the child's doings on the main window meanwhile
    QObject::connect(&tick, &QTimer::timeout, [&] {
        frmSTATUS* status = statusWindow();
        duringTheWait << (status && status->isVisible() ? status->statusText() : "no status");
    });
    tick.start(100);
    sendPostcard("gran@example.org");
    // Ticks come only while events are processed; a busy machine may merge some.
    EXPECT_GE(duringTheWait.count(StatusFailed), 2) << "events must be processed during the wait";
    EXPECT_EQ(duringTheWait.last(), StatusFailed);
    expectFailureEnding("service request");
}

// What the postcard service answers (a reply, or a failure of the request)
// when the delivery must fail before any mail is sent.
struct ServiceFailureRow {
    const char* why;
    const char* reply;   // null: the account reply
    const char* failure; // null: the request succeeds
    const char* stage;   // named on standard error
};

class ServiceFailure : public PostcardDeliveryTest,
                       public ::testing::WithParamInterface<ServiceFailureRow> {};

TEST_P(ServiceFailure, EndsTheDeliveryBeforeAnyMail) {
    if (GetParam().reply)
        network_.reply = GetParam().reply;
    if (GetParam().failure)
        network_.serviceFailure = GetParam().failure;
    sendPostcard("gran@example.org");
    EXPECT_EQ(shownTexts(), (QStringList{StatusPreparing, StatusChecking, StatusFailed}));
    expectFailureEnding(GetParam().stage);
    EXPECT_TRUE(network_.mails.isEmpty());
    EXPECT_TRUE(QFile::exists(dataFile(DataFiles::PostcardPicture)))
        << "the picture stays for next time";
    EXPECT_FALSE(QFile::exists(dataFile(DataFiles::TempPicture)));
}

TEST_F(PostcardDeliveryTest, NotSetUpFailsAtOnceWithoutAnyTraffic) {
    settings_.settingsFiles = "/home/tom/.config/Vellumix/Vellumix.conf or "
                              "/etc/xdg/Vellumix/Vellumix.conf";
    for (const auto& [service, sender] :
         QList<std::pair<QString, QString>>{{"", kTestSender}, {settings_.service, ""}}) {
        sendWithSettings(service, sender);
        EXPECT_EQ(shownTexts(), QStringList{StatusFailed});
        expectFailureEnding();
        EXPECT_TRUE(network_.urls.isEmpty());
        EXPECT_TRUE(QDir(dataFolder()).entryList({"*.bmp", "*.jpg"}).isEmpty());
        EXPECT_EQ(logLines_, QStringList{"Vellumix: postcards are not set up: [postcard] service "
                                         "and sender are needed in " +
                                         settings_.settingsFiles + "."});
    }
}

TEST_F(PostcardDeliveryTest, OnlyHttpsMayHandOutALogin) {
    settings_.service = "http://postcards.school.example";
    sendPostcard("gran@example.org");
    expectFailureEnding("service reply");
    EXPECT_TRUE(network_.mails.isEmpty());

    network_.reply = "127.0.0.1^^^A postcard for you!"; // no login: plain http will do
    sendPostcard("gran@example.org");
    EXPECT_EQ(network_.delivered().size(), 1);
}

TEST_F(PostcardDeliveryTest, AnUnusableServiceOrSenderFailsBeforeTheServiceIsAsked) {
    const QList<std::pair<QString, QString>> settings = {{"http://h/x", "cards@example.net"},
                                                         {"h", "nobody"}};
    for (const auto& [service, sender] : settings) {
        sendWithSettings(service, sender);
        EXPECT_EQ(shownTexts(), (QStringList{StatusPreparing, StatusChecking, StatusFailed}));
        expectFailureEnding("settings");
    }
    EXPECT_TRUE(network_.urls.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    PostcardDeliveryTest, ServiceFailure,
    ::testing::Values(
        ServiceFailureRow{"NoServiceRunning", nullptr, kNoService, "service request"},
        ServiceFailureRow{"AnHtmlPage", "<html><body>Oops</body></html>", nullptr, "service reply"},
        ServiceFailureRow{"AnHtmlPageAfterASpace", " <!DOCTYPE html>^a^b^c", nullptr,
                          "service reply"},
        // The body would have been the account reply.
        ServiceFailureRow{"AnHttpErrorStatusWhateverTheBody", nullptr, "HTTP status 500",
                          "service request"},
        ServiceFailureRow{"AReplyOfThreeFields", "127.0.0.1^postcard-user^secret", nullptr,
                          "service reply"},
        ServiceFailureRow{"AServerThatIsNoHost", "127.0.0.1/x^postcard-user^secret^Hi", nullptr,
                          "service reply"}),
    [](const auto& info) { return std::string(info.param.why); });

TEST_F(PostcardDeliveryTest, AMailServerRefusingTheRecipientFails) {
    network_.mailFailure = "550 5.1.1 No such mailbox here";
    sendPostcard("nobody@example.org");
    EXPECT_EQ(shownTexts(),
              (QStringList{StatusPreparing, StatusChecking, StatusSendingPostcard, StatusFailed}));
    expectFailureEnding("mail connection");
    ASSERT_EQ(network_.mails.size(), 1);
    EXPECT_EQ(network_.mails.first().mail.sendto, "nobody@example.org");
}

TEST_F(PostcardDeliveryTest, ASilentMailServerIsGivenUpWithinTheTimeOut) {
    network_.mailFailure = "Timeout was reached";
    settings_.mailTimeouts = {1s, 1s, 2s};
    sendPostcard("gran@example.org");
    expectFailureEnding("mail connection");
    ASSERT_EQ(network_.mails.size(), 1);
    const MailTimeouts& given = network_.mails.first().timeouts;
    EXPECT_EQ(given.connect, 1s) << "the time-outs given, not the defaults";
    EXPECT_EQ(given.serverResponse, 1s);
    EXPECT_EQ(given.wholeSend, 2s);
}

TEST_F(PostcardDeliveryTest, ARecipientOfJustAnAtSignPassesTheAddressTest) {
    failService();
    sendPostcard("@");
    EXPECT_TRUE(reports_.isEmpty());
    EXPECT_EQ(shownTexts().first(), StatusPreparing);
    EXPECT_EQ(network_.urls.size(), 1);
    expectFailureEnding("service request");
}

TEST_F(PostcardDeliveryTest, InvalidRecipientsAreTurnedBackWithTheComposerKept) {
    const QStringList recipients = {"gran.example.org",
                                    PlaceholderAddress,
                                    "",
                                    "gran@example.org\r\nRCPT TO:<other@example.org>",
                                    "gran@example.org\t",
                                    "a@b> NOTIFY=NEVER"};
    for (const QString& recipient : recipients) {
        reports_.clear();
        sendPostcard(recipient, "Hello gran", "kid@example.org");
        ASSERT_EQ(control<QLineEdit>("txtMailTO")->text(), recipient) << "the box kept it";

        ASSERT_EQ(reports_.size(), 1) << recipient.toStdString();
        EXPECT_EQ(reports_[0].text, "Please enter a valid email address to send your ePostcard.");
        EXPECT_EQ(reports_[0].title, "Trouble");
        EXPECT_TRUE(shown_.isEmpty());
        EXPECT_TRUE(network_.urls.isEmpty()) << "the service was not asked";
        settle();
        ASSERT_FALSE(composer_.isNull());
        EXPECT_TRUE(composer_->isHidden());
        EXPECT_EQ(statusWindow(), nullptr);
        EXPECT_TRUE(QDir(dataFolder()).entryList({"*.bmp", "*.jpg"}).isEmpty());

        // The main window's send button shows it again as it was.
        openComposer();
        EXPECT_TRUE(composer_->isVisible());
        EXPECT_EQ(control<QLineEdit>("txtMailFROM")->text(), "kid@example.org");
        EXPECT_EQ(control<LimitedPlainTextEdit>("txtMSG")->toPlainText(), "Hello gran");
    }
}

TEST_F(PostcardDeliveryTest, TheSendButtonDuringTheOutcomeOpensAFreshComposer) {
    failService();
    settings_.outcomeDisplayTime = 400ms;
    QPointer<frmPostcard> delivering;
    duringOutcome_ = [&] {
        delivering = composer_;
        openComposer(); // the child presses the main window's send button meanwhile
    };
    sendPostcard("gran@example.org");
    settle();
    EXPECT_TRUE(delivering.isNull()) << "the delivering composer is unloaded all the same";
    ASSERT_FALSE(composer_.isNull());
    EXPECT_TRUE(composer_->isVisible());
    EXPECT_FALSE(composer_->deliveryStarted());
    EXPECT_EQ(control<QLineEdit>("txtMailTO")->text(), PlaceholderAddress);
}

TEST_F(PostcardDeliveryTest, WindowsTakenDownDuringTheOutcomeEndTheDeliveryQuietly) {
    failService();
    settings_.outcomeDisplayTime = 400ms;
    // What closing the main window does to the windows it owns.
    duringOutcome_ = [&] {
        delete statusWindow();
        delete composer_.data();
    };
    sendPostcard("gran@example.org");
    settle();
    EXPECT_TRUE(composer_.isNull());
    EXPECT_EQ(statusWindow(), nullptr);
    EXPECT_EQ(shown_.last().text, StatusFailed);
}

TEST_F(PostcardEndToEndTest, APostcardTravelsThroughTheRealServiceAndMailServer) {
    const QString serviceLog = dir_.path() + "/requests.log";
    const auto smtp = startSmtpServer(inbox_, /*requireAuth=*/true);
    const TestCertificates& certificates = testCertificates();
    const auto service = startPostcardService(kAccountReply, 200, serviceLog,
                                              certificates.loopbackCert, certificates.loopbackKey);
    ASSERT_NE(smtp->port(), 0) << smtp->error().toStdString();
    ASSERT_NE(service->port(), 0) << service->error().toStdString();
    settings_.service = QStringLiteral("https://127.0.0.1:%1").arg(service->port());
    settings_.smtpPort = smtp->port();

    sendPostcard("gran@example.org", "Dear gran & co");
    EXPECT_EQ(shownTexts().last(), StatusSent);

    QFile log(serviceLog);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QStringList requests = QString::fromLatin1(log.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(QUrlQuery(QUrl(requests.first()).query(QUrl::FullyEncoded))
                  .queryItemValue("msg", QUrl::FullyDecoded),
              "Dear gran & co");

    // One mail, sent inside verified TLS with the service's account.
    const QStringList mails = QDir(inbox_).entryList({"*.json"}, QDir::Files, QDir::Name);
    ASSERT_EQ(mails.size(), 1);
    QFile stored(inbox_ + "/" + mails.first());
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    const QJsonObject mail = QJsonDocument::fromJson(stored.readAll()).object();
    EXPECT_EQ(mail["login"].toString(), "postcard-user");
    EXPECT_TRUE(mail["tls"].toBool());
    EXPECT_EQ(mail["mail_from"].toString(), kTestSender);
    EXPECT_EQ(mail["rcpt_tos"].toArray(), QJsonArray{"gran@example.org"});
    EXPECT_EQ(mail["headers"].toObject()["Subject"].toString(), "Vellumix email-postcard!");
    EXPECT_EQ(mail["body"].toString(), "A postcard for you!");
    const QJsonArray attachments = mail["attachments"].toArray();
    ASSERT_EQ(attachments.size(), 1);
    EXPECT_EQ(attachments[0]["filename"].toString(), "MyPicture.jpg");
    EXPECT_EQ(attachments[0]["type"].toString(), "image/jpeg");
    expectTheCanvasPicture(QImage(inbox_ + "/1-0.bin", "JPEG"));
}
