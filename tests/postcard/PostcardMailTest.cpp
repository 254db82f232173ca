// The e-mail of a postcard as values: its properties, date and headers.
#include "postcard/PostcardMail.h"

#include "postcard/PostcardConstants.h"
#include "postcardprotocol/DeliveryError.h"

#include <QTimeZone>
#include <gtest/gtest.h>

TEST(PostcardMailTest, PropertiesComeFromTheReplyTheRecipientAndTheProgram) {
    const QDateTime now(QDate(2026, 12, 8), QTime(14, 5, 9), QTimeZone(3600));
    const PostcardMail mail =
        composePostcardMail({"smtp.example.net", "user", "pw", "Hi gran"}, PostcardSenderAddress,
                            "gran@example.org", 25, now, "/d/MyPicture.jpg");
    EXPECT_EQ(mail.server, "smtp.example.net");
    EXPECT_EQ(mail.mailfrom, PostcardSenderAddress);
    EXPECT_EQ(mail.sendto, "gran@example.org");
    EXPECT_EQ(mail.port, 25);
    EXPECT_EQ(mail.maildate, "Tue, 08 Dec 2026 14:05:09 +0100");
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

TEST(PostcardMailTest, HeadersCarryDateSenderRecipientAndSubject) {
    PostcardMail mail;
    mail.maildate = "Tue, 08 Dec 2026 14:05:09 +0100";
    mail.mailfrom = PostcardSenderAddress;
    mail.sendto = "gran@example.org";
    mail.messagesubject = PostcardSubject;
    EXPECT_EQ(
        mailHeaders(mail),
        (QList<QByteArray>{"Date: Tue, 08 Dec 2026 14:05:09 +0100", "From: <postcards@example.net>",
                           "To: <gran@example.org>", "Subject: Vellumix email-postcard!"}));
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
