// A postcard sent through the composer's Send button, end to end: a real
// postcard service and a real SMTP server on loopback.
#include "postcard/LimitedPlainTextEdit.h"
#include "postcard/PostcardConstants.h"
#include "tests/postcard/LoopbackPeer.h"
#include "tests/postcard/PictureCompare.h"
#include "tests/postcard/PostcardHarness.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
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

// One stage's text as the status window showed it.
struct ShownStatus {
    QString text;
    bool onScreen;
};

class PostcardDeliveryTest : public PostcardHarness {
protected:
    void SetUp() override {
        inbox_ = dir_.path() + "/inbox";
        serviceLog_ = dir_.path() + "/requests.log";
        QDir().mkpath(inbox_);
        settings_.mailTimeouts = {2s, 2s, 5s};
    }

    void useService(const ScriptPeer& service) {
        settings_.serviceHost = QStringLiteral("127.0.0.1:%1").arg(service.port());
    }

    // Opens the composer, fills it in and presses Send; returns once the
    // delivery is over, as it runs inside the click.
    void sendPostcard(const QString& recipient, const QString& message = "I coloured a cat",
                      const QString& sender = "kid@example.org") {
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

    QStringList received() const {
        return QDir(inbox_).entryList({"*.json"}, QDir::Files, QDir::Name);
    }

    QJsonObject receivedMessage(const QString& name) const {
        QFile file(inbox_ + "/" + name);
        file.open(QIODevice::ReadOnly);
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    QStringList serviceRequests() const {
        QFile file(serviceLog_);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    // Both windows closed, and the failure text was the last word.
    void expectFailureEnding() {
        ASSERT_FALSE(shown_.isEmpty());
        EXPECT_EQ(shown_.last().text, StatusFailed);
        EXPECT_TRUE(shown_.last().onScreen);
        settle();
        EXPECT_TRUE(composer_.isNull());
        EXPECT_EQ(statusWindow(), nullptr);
        EXPECT_TRUE(received().isEmpty());
    }

    QString inbox_;
    QString serviceLog_;
    QList<ShownStatus> shown_;
    std::function<void()> duringOutcome_; // runs 200 ms into the outcome's display
};

} // namespace

TEST_F(PostcardDeliveryTest, APostcardArrivesWithThePictureAttached) {
    const auto smtp = startSmtpServer(inbox_, /*requireAuth=*/true);
    const auto service = startPostcardService(kAccountReply, 200, serviceLog_);
    ASSERT_NE(smtp->port(), 0) << smtp->error().toStdString();
    ASSERT_NE(service->port(), 0) << service->error().toStdString();
    useService(*service);
    settings_.smtpPort = smtp->port();
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
    EXPECT_FALSE(QFile::exists(dataFile(DataFiles::TempPicture)));
    EXPECT_TRUE(QFile::exists(dataFile(DataFiles::PostcardPicture)));

    // The service heard the texts exactly as typed.
    const QStringList requests = serviceRequests();
    ASSERT_EQ(requests.size(), 1);
    const QUrlQuery query(QUrl(requests.first()).query(QUrl::FullyEncoded));
    EXPECT_EQ(QUrl(requests.first()).path(), "/qzsmtp.asp");
    EXPECT_EQ(query.queryItemValue("ID"), "QZ");
    EXPECT_EQ(query.queryItemValue("mailFrom", QUrl::FullyDecoded), "Tom <kid@example.org>");
    EXPECT_EQ(query.queryItemValue("mailTo", QUrl::FullyDecoded), "gran@example.org");
    EXPECT_EQ(query.queryItemValue("msg", QUrl::FullyDecoded),
              "Dear gran,\nthis is Tom & Jerry #1 = cat");
    EXPECT_EQ(query.queryItemValue("serial"), PostcardSerial);

    // Exactly one mail, from the program's sender, with the service's text.
    const QStringList mails = received();
    ASSERT_EQ(mails.size(), 1);
    const QJsonObject mail = receivedMessage(mails.first());
    EXPECT_EQ(mail["login"].toString(), "postcard-user");
    EXPECT_TRUE(mail["tls"].toBool());
    EXPECT_EQ(mail["mail_from"].toString(), PostcardSenderAddress);
    EXPECT_EQ(mail["rcpt_tos"].toArray(), QJsonArray{"gran@example.org"});
    const QJsonObject headers = mail["headers"].toObject();
    EXPECT_EQ(headers["From"].toString(), PostcardSenderAddress);
    EXPECT_EQ(headers["To"].toString(), "gran@example.org");
    EXPECT_EQ(headers["Subject"].toString(), "Vellumix email-postcard!");
    const qint64 dated = qint64(mail["date_epoch"].toDouble());
    EXPECT_GE(dated, before - 1);
    EXPECT_LE(dated, QDateTime::currentSecsSinceEpoch() + 1);
    EXPECT_EQ(mail["body"].toString(), "A postcard for you!");

    const QJsonArray attachments = mail["attachments"].toArray();
    ASSERT_EQ(attachments.size(), 1);
    EXPECT_EQ(attachments[0]["filename"].toString(), "MyPicture.jpg");
    EXPECT_EQ(attachments[0]["type"].toString(), "image/jpeg");
    const QImage picture(inbox_ + "/1-0.bin", "JPEG");
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), canvas_.size());
    EXPECT_LT(meanAbsoluteDifference(picture, canvas_), 4.0);
}

TEST_F(PostcardDeliveryTest, TheOutcomeStaysWhileTheWindowsKeepWorking) {
    settings_.serviceHost = QStringLiteral("127.0.0.1:%1").arg(closedPort());
    settings_.outcomeDisplayTime = 600ms;
    QStringList duringTheWait;
    QElapsedTimer clock;
    QTimer tick; // stands for the child's doings on the main window meanwhile
    QObject::connect(&tick, &QTimer::timeout, [&] {
        frmSTATUS* status = statusWindow();
        duringTheWait << (status && status->isVisible() ? status->statusText() : "no status");
    });
    tick.start(100);
    clock.start();
    sendPostcard("gran@example.org");
    EXPECT_GE(clock.elapsed(), 600);
    // Ticks come only while events are processed; a busy machine may merge some.
    EXPECT_GE(duringTheWait.count(StatusFailed), 2) << "events must be processed during the wait";
    EXPECT_EQ(duringTheWait.last(), StatusFailed);
    expectFailureEnding();
}

TEST_F(PostcardDeliveryTest, NoServiceRunningFails) {
    settings_.serviceHost = QStringLiteral("127.0.0.1:%1").arg(closedPort());
    sendPostcard("gran@example.org");
    EXPECT_EQ(shownTexts(), (QStringList{StatusPreparing, StatusChecking, StatusFailed}));
    expectFailureEnding();
    EXPECT_TRUE(QFile::exists(dataFile(DataFiles::PostcardPicture)))
        << "the picture stays for next time";
    EXPECT_FALSE(QFile::exists(dataFile(DataFiles::TempPicture)));
}

TEST_F(PostcardDeliveryTest, AnHtmlPageFromTheServiceFails) {
    const auto smtp = startSmtpServer(inbox_, false);
    for (const char* page : {"<html><body>Oops</body></html>", " <!DOCTYPE html>^a^b^c"}) {
        const auto service = startPostcardService(page);
        ASSERT_NE(service->port(), 0) << service->error().toStdString();
        useService(*service);
        settings_.smtpPort = smtp->port();
        shown_.clear();
        sendPostcard("gran@example.org");
        expectFailureEnding();
        EXPECT_FALSE(shownTexts().contains(StatusSendingPostcard)) << page;
    }
}

TEST_F(PostcardDeliveryTest, AnHttpErrorStatusFailsWhateverTheBody) {
    const auto smtp = startSmtpServer(inbox_, true);
    const auto service = startPostcardService(kAccountReply, 500);
    ASSERT_NE(service->port(), 0) << service->error().toStdString();
    useService(*service);
    settings_.smtpPort = smtp->port();
    sendPostcard("gran@example.org");
    expectFailureEnding();
}

TEST_F(PostcardDeliveryTest, AReplyOfThreeFieldsFails) {
    const auto service = startPostcardService("127.0.0.1^postcard-user^secret");
    ASSERT_NE(service->port(), 0) << service->error().toStdString();
    useService(*service);
    sendPostcard("gran@example.org");
    EXPECT_EQ(shownTexts(), (QStringList{StatusPreparing, StatusChecking, StatusFailed}));
    expectFailureEnding();
}

TEST_F(PostcardDeliveryTest, AMailServerRefusingTheRecipientFails) {
    const auto smtp = startSmtpServer(inbox_, true, /*refuseRecipients=*/true);
    const auto service = startPostcardService(kAccountReply);
    ASSERT_NE(smtp->port(), 0) << smtp->error().toStdString();
    ASSERT_NE(service->port(), 0) << service->error().toStdString();
    useService(*service);
    settings_.smtpPort = smtp->port();
    sendPostcard("nobody@example.org");
    EXPECT_EQ(shownTexts(),
              (QStringList{StatusPreparing, StatusChecking, StatusSendingPostcard, StatusFailed}));
    expectFailureEnding();
}

TEST_F(PostcardDeliveryTest, ASilentMailServerIsGivenUpWithinTheTimeOut) {
    SilentServer silent;
    const auto service = startPostcardService(kAccountReply);
    ASSERT_NE(service->port(), 0) << service->error().toStdString();
    useService(*service);
    settings_.smtpPort = silent.port();
    settings_.mailTimeouts = {1s, 1s, 2s};
    QElapsedTimer clock;
    clock.start();
    sendPostcard("gran@example.org");
    EXPECT_LT(clock.elapsed(), 15000) << "the default time-outs, not the ones given";
    expectFailureEnding();
}

TEST_F(PostcardDeliveryTest, ARecipientOfJustAnAtSignPassesTheAddressTest) {
    settings_.serviceHost = QStringLiteral("127.0.0.1:%1").arg(closedPort());
    sendPostcard("@");
    EXPECT_TRUE(reports_.isEmpty());
    EXPECT_EQ(shownTexts().first(), StatusPreparing);
    expectFailureEnding();
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
    settings_.serviceHost = QStringLiteral("127.0.0.1:%1").arg(closedPort());
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
    settings_.serviceHost = QStringLiteral("127.0.0.1:%1").arg(closedPort());
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
