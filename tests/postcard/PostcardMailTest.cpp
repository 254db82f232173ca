// The e-mail of a postcard as values: its properties, date and headers.
#include "postcard/PostcardMail.h"

#include "postcard/PostcardConstants.h"
#include "postcardprotocol/DeliveryError.h"

#include <QRegularExpression>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {
constexpr char kSender[] = "postcards@school.example";
} // namespace

TEST(PostcardMailTest, PropertiesComeFromTheReplyTheRecipientAndTheProgram) {
    const QDateTime now(QDate(2026, 12, 8), QTime(14, 5, 9), QTimeZone(3600));
    const PostcardMail mail =
        composePostcardMail({"smtp.example.net", "user", "pw", "Hi gran"}, kSender,
                            "gran@example.org", 25, now, "/d/MyPicture.jpg");
    EXPECT_EQ(mail.server, "smtp.example.net");
    EXPECT_EQ(mail.mailfrom, kSender);
    EXPECT_EQ(mail.sendto, "gran@example.org");
    EXPECT_EQ(mail.port, 25);
    EXPECT_EQ(mail.maildate, "Tue, 08 Dec 2026 14:05:09 +0100");
    EXPECT_TRUE(
        QRegularExpression("^<[0-9a-f-]{36}@school\\.example>$").match(mail.messageId).hasMatch())
        << mail.messageId.toStdString();
    EXPECT_EQ(mail.username, "user");
    EXPECT_EQ(mail.password, "pw");
    EXPECT_EQ(mail.messagesubject, "Vellumix email-postcard!");
    EXPECT_EQ(mail.messagetext, "Hi gran");
    EXPECT_EQ(mail.attachmentPath, "/d/MyPicture.jpg");
}

TEST(PostcardMailTest, TheReplyMayNameTheServersPort) {
    const auto compose = [](const char* server) {
        return composePostcardMail({server, "", "", "t"}, "cards@school.example", "g@example.org",
                                   25, QDateTime::currentDateTime(), "/d/MyPicture.jpg");
    };
    const PostcardMail mail = compose("mail.school.example:587");
    EXPECT_EQ(mail.server, "mail.school.example");
    EXPECT_EQ(mail.port, 587);
    EXPECT_EQ(mail.mailfrom, "cards@school.example");
    EXPECT_THROW(compose("mail.school.example:smtp"), DeliveryError);
}

TEST(PostcardMailTest, DatesUseEnglishNamesAndTheOffsetFromUtc) {
    EXPECT_EQ(
        rfc5322Date(QDateTime(QDate(2027, 1, 3), QTime(0, 0, 7), QTimeZone(-(5 * 3600 + 1800)))),
        "Sun, 03 Jan 2027 00:00:07 -0530");
    EXPECT_EQ(rfc5322Date(QDateTime(QDate(2026, 7, 20), QTime(23, 59, 59), QTimeZone::utc())),
              "Mon, 20 Jul 2026 23:59:59 +0000");
    // The form parses back to the same moment.
    const QDateTime now = QDateTime::currentDateTime();
    EXPECT_EQ(QDateTime::fromString(rfc5322Date(now), Qt::RFC2822Date).toSecsSinceEpoch(),
              now.toSecsSinceEpoch());
}

TEST(PostcardMailTest, HeadersCarryDateMessageIdSenderRecipientAndSubject) {
    PostcardMail mail;
    mail.maildate = "Tue, 08 Dec 2026 14:05:09 +0100";
    mail.messageId = "<1@school.example>";
    mail.mailfrom = kSender;
    mail.sendto = "gran@example.org";
    mail.messagesubject = PostcardSubject;
    EXPECT_EQ(
        mailHeaders(mail),
        (QList<QByteArray>{"Date: Tue, 08 Dec 2026 14:05:09 +0100",
                           "Message-ID: <1@school.example>", "From: <postcards@school.example>",
                           "To: <gran@example.org>", "Subject: Vellumix email-postcard!"}));
}

TEST(PostcardMailTest, AMailWithoutDateOrMessageIdGetsFreshOnes) {
    PostcardMail mail;
    mail.mailfrom = kSender;
    const QList<QByteArray> first = mailHeaders(mail);
    const QList<QByteArray> second = mailHeaders(mail);
    const QDateTime dated = QDateTime::fromString(QString(first[0].mid(6)), Qt::RFC2822Date);
    EXPECT_LE(qAbs(dated.secsTo(QDateTime::currentDateTime())), 2) << first[0].toStdString();
    EXPECT_TRUE(first[1].startsWith("Message-ID: <") && first[1].endsWith("@school.example>"));
    EXPECT_NE(first[1], second[1]) << "each mail its own";
}

TEST(PostcardMailTest, BodyLineBreaksBecomeCrLfWhateverTheServiceSent) {
    PostcardMail mail;
    mail.messagetext = "one\ntwo\r\nthree\rfour\n\nGrüße";
    EXPECT_EQ(mailBodyText(mail), "one\r\ntwo\r\nthree\r\nfour\r\n\r\nGr\xC3\xBC\xC3\x9F"
                                  "e");
}

TEST(PostcardMailTest, ServerUrlTakesHostNamesAndAddresses) {
    EXPECT_EQ(smtpServerUrl("smtp.example.net", 25), "smtp://smtp.example.net:25");
    EXPECT_EQ(smtpServerUrl("127.0.0.1", 2525), "smtp://127.0.0.1:2525");
    EXPECT_EQ(smtpServerUrl("::1", 25), "smtp://[::1]:25");
}

TEST(PostcardMailTest, ServerUrlRefusesWhatIsNoHost) {
    for (const char* server :
         {"", "user@smtp.example.net", "smtp.example.net/path", "smtp.example.net:587",
          "smtp example", "smtp.example.net\r\nQUIT", "smtp.example.net?x"})
        EXPECT_THROW(smtpServerUrl(server, 25), DeliveryError) << server;
}
