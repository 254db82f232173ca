// The service request, its reply and the recipient's test, without a network.
#include "postcardprotocol/PostcardRequest.h"

#include "postcard/PostcardConstants.h"
#include "postcardprotocol/DeliveryError.h"

#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

const QString kPlaceholder = QString::fromLatin1(PlaceholderAddress);

// The query as a server decodes it.
QUrlQuery decodedQuery(const QString& url) {
    return QUrlQuery(QUrl(url, QUrl::StrictMode).query(QUrl::FullyEncoded));
}

QString decodedValue(const QString& url, const QString& key) {
    return decodedQuery(url).queryItemValue(key, QUrl::FullyDecoded);
}

int rejectionNumber(const QString& reply) {
    try {
        parseServiceReply(reply);
    } catch (const DeliveryError& error) {
        return error.number();
    }
    return -1;
}

} // namespace

TEST(ServiceUrl, PlainTextsGoInTheirOrderUnderTheirKeys) {
    EXPECT_EQ(buildServiceUrl("postcards.example.net", "me@example.org", "gran@example.org",
                              "Hello", "VX1"),
              "http://postcards.example.net/qzsmtp.asp?ID=QZ&mailFrom=me%40example.org"
              "&mailTo=gran%40example.org&msg=Hello&serial=VX1");
}

TEST(ServiceUrl, EmptyMessageLeavesMsgDirectlyBeforeSerial) {
    const QString url = buildServiceUrl("h", "a@b", "c@d", "", "");
    EXPECT_TRUE(url.contains("&msg=&serial=")) << url.toStdString();
    EXPECT_TRUE(url.endsWith("&serial="));
}

TEST(ServiceUrl, SenderLeftAtPlaceholderOrEmptyGoesUnchanged) {
    EXPECT_EQ(decodedValue(buildServiceUrl("h", kPlaceholder, "c@d", "m", ""), "mailFrom"),
              kPlaceholder);
    const QString url = buildServiceUrl("h", "", "c@d", "m", "");
    EXPECT_TRUE(url.contains("mailFrom=&mailTo=")) << url.toStdString();
}

class AwkwardMessage : public ::testing::TestWithParam<const char*> {};

TEST_P(AwkwardMessage, ReachesTheServiceExactlyAsTyped) {
    const QString message = QString::fromUtf8(GetParam());
    const QString url = buildServiceUrl("h", "a@b", "c@d", message, "s");
    const QUrlQuery query = decodedQuery(url);
    EXPECT_EQ(query.queryItemValue("msg", QUrl::FullyDecoded), message) << url.toStdString();
    EXPECT_EQ(query.queryItemValue("mailTo", QUrl::FullyDecoded), "c@d");
    EXPECT_EQ(query.queryItemValue("ID"), "QZ");
    EXPECT_EQ(query.queryItems().size(), 5) << url.toStdString();
}

INSTANTIATE_TEST_SUITE_P(ServiceUrl, AwkwardMessage,
                         ::testing::Values("fish & chips", "a=b", "#1 gran", "two  spaces ",
                                           "line one\nline two", "tab\there", "100% + more?/",
                                           "Grüße, 猫 and 🐱", "?ID=XX&mailTo=evil@example.org"));

TEST(ServiceUrl, OnlyUnreservedCharactersStandUnencoded) {
    const QString url = buildServiceUrl("h", "", "", "aZ09-._~ !*'()", "");
    EXPECT_TRUE(url.contains("msg=aZ09-._~%20%21%2A%27%28%29&")) << url.toStdString();
    // Non-ASCII text travels as UTF-8.
    EXPECT_TRUE(buildServiceUrl("h", "", "", "ü", "").contains("msg=%C3%BC&"));
}

TEST(ServiceUrl, AddressesAreEncodedToo) {
    const QString url = buildServiceUrl("h", "a&b@x", "c#d@y", "", "");
    EXPECT_EQ(decodedValue(url, "mailFrom"), "a&b@x");
    EXPECT_EQ(decodedValue(url, "mailTo"), "c#d@y");
}

// A reply, and the error number it is refused with.
struct RefusedReply {
    const char* why;
    const char* reply;
    int number;
};

class ServiceReplyRefused : public ::testing::TestWithParam<RefusedReply> {};

TEST_P(ServiceReplyRefused, WithItsNumber) {
    EXPECT_EQ(rejectionNumber(GetParam().reply), GetParam().number) << GetParam().reply;
}

INSTANTIATE_TEST_SUITE_P(
    ServiceReplyTest, ServiceReplyRefused,
    ::testing::Values(RefusedReply{"Empty", "", kReplyRejectedError},
                      RefusedReply{"OneCharacter", "a", kReplyRejectedError},
                      RefusedReply{"TwoCharacters", "ab", kReplyRejectedError},
                      RefusedReply{"AnHtmlPage", "<html>^b^c^d", kReplyRejectedError},
                      RefusedReply{"AnHtmlPageAfterASpace", " <p>^b^c^d", kReplyRejectedError},
                      RefusedReply{"FieldsAfterALessThanSign", "<^^^", kReplyRejectedError},
                      RefusedReply{"ThreeFieldsAreNotEnough", "smtp.example.net^user^pass", 0},
                      RefusedReply{"ALineBreakInTheServer", "smtp.example.net\r\nQUIT^u^p^m", 0},
                      RefusedReply{"ALineBreakInTheLogin", "s^user\nRSET^p^m", 0},
                      RefusedReply{"ANulInThePassword", "s^u^p\x01w^m", 0},
                      RefusedReply{"AnEscapeInTheText", "s^u^p^hi\x1b[2J", 0},
                      RefusedReply{"AC1ControlInTheText", "s^u^p^hi\u0085", 0}),
    [](const auto& info) { return std::string(info.param.why); });

// An accepted reply and its four fields.
struct AcceptedReply {
    const char* why;
    const char* reply;
    QString server, username, password, messageText;
};

class ServiceReplyAccepted : public ::testing::TestWithParam<AcceptedReply> {};

TEST_P(ServiceReplyAccepted, SplitsIntoTheFourFields) {
    const AcceptedReply& row = GetParam();
    const ServiceReply reply = parseServiceReply(row.reply);
    EXPECT_EQ(reply.server, row.server);
    EXPECT_EQ(reply.username, row.username);
    EXPECT_EQ(reply.password, row.password);
    EXPECT_EQ(reply.messageText, row.messageText);
}

INSTANTIATE_TEST_SUITE_P(
    ServiceReplyTest, ServiceReplyAccepted,
    ::testing::Values(
        AcceptedReply{"FourFields", "smtp.example.net^user^pass^Hello gran!", "smtp.example.net",
                      "user", "pass", "Hello gran!"},
        AcceptedReply{"FieldsAfterTheFourthAreIgnored", "s^u^p^text^fifth^sixth", "s", "u", "p",
                      "text"},
        AcceptedReply{"ThreeSeparatorsAloneGiveFourEmptyFields", "^^^", "", "", "", ""},
        AcceptedReply{"NothingIsTrimmed", " s ^^ p^line\r\n", " s ", "", " p", "line\r\n"},
        AcceptedReply{"TabsAndLineBreaksInTheText", "s^u^p^a\tb\r\nc", "s", "u", "p", "a\tb\r\nc"},
        AcceptedReply{"ALessThanSignLaterInTheServer", "  <s^u^p^m", "  <s", "u", "p", "m"},
        AcceptedReply{"ALessThanSignInTheText", "s^u^p^<b>hi</b>", "s", "u", "p", "<b>hi</b>"}),
    [](const auto& info) { return std::string(info.param.why); });

// Recipients as typed, refused and accepted, by what they show.
class RefusedRecipient : public ::testing::TestWithParam<QString> {};
class AcceptedRecipient : public ::testing::TestWithParam<QString> {};

TEST_P(RefusedRecipient, FailsTheAddressTest) {
    EXPECT_FALSE(passesAddressTest(GetParam(), kPlaceholder)) << GetParam().toStdString();
}

TEST_P(AcceptedRecipient, PassesTheAddressTest) {
    EXPECT_TRUE(passesAddressTest(GetParam(), kPlaceholder)) << GetParam().toStdString();
}

INSTANTIATE_TEST_SUITE_P(NeedsAnAtSign, RefusedRecipient,
                         ::testing::Values("", "gran.example.org"));
INSTANTIATE_TEST_SUITE_P(NeedsAnAtSign, AcceptedRecipient,
                         ::testing::Values("@", "gran@example.org"));

INSTANTIATE_TEST_SUITE_P(ThePlaceholderExactlyIsNoAddress, RefusedRecipient,
                         ::testing::Values(kPlaceholder));
INSTANTIATE_TEST_SUITE_P(ThePlaceholderExactlyIsNoAddress, AcceptedRecipient,
                         ::testing::Values(kPlaceholder.toUpper(), kPlaceholder + "x",
                                           "x" + kPlaceholder));

INSTANTIATE_TEST_SUITE_P(LineBreaksAndControlCharactersCannotReachTheMail, RefusedRecipient,
                         ::testing::Values("gran@example.org\r\nRCPT TO:<other@example.org>",
                                           "gran@example.org\n", "gran@example.org\r",
                                           "gran\t@example.org",
                                           QString("gran@exa") + QChar(0) + "mple.org",
                                           "gran@example.org" + QString(QChar(0x7f)),
                                           "gran@example.org" + QString(QChar(0x85)),
                                           "gran@example.org" + QString(QChar(0x2028))));
INSTANTIATE_TEST_SUITE_P(LettersOfAnyScript, AcceptedRecipient,
                         ::testing::Values("grän@exämple.org", "李@例え.jp"));

TEST(ServiceAddress, HttpHttpsOrABareHostWithAnOptionalPort) {
    const QList<std::pair<QString, QString>> usable = {
        {"postcards.example.net", "http://postcards.example.net"},
        {"127.0.0.1:8080", "http://127.0.0.1:8080"},
        {"http://h:1", "http://h:1"},
        {"https://h", "https://h"},
        {"HTTPS://Host.Example/", "https://host.example"},
        {"https://[::1]:8443", "https://[::1]:8443"}};
    for (const auto& [service, base] : usable)
        EXPECT_EQ(serviceBaseUrl(service), base) << service.toStdString();
    for (const char* service :
         {"", "ftp://h", "http://u:p@h", "http://h/path", "h/qzsmtp.asp", "http://h?x=1", "h#top",
          "h:0", "h:65536", "h:port", "http://", "two words", "https://h:8443 x"})
        EXPECT_EQ(serviceBaseUrl(service), "") << service;
}

TEST(ServiceAddress, OnlyAUsableHttpsAddressIsHttps) {
    EXPECT_TRUE(isHttpsService("HTTPS://Host.Example/"));
    for (const char* service : {"h:443", "http://h", "https://u:p@h", ""})
        EXPECT_FALSE(isHttpsService(service)) << service;
}

TEST(ServiceUrl, KeepsTheSchemeAndRefusesAnUnusableService) {
    EXPECT_TRUE(buildServiceUrl("https://h:8443", "a", "b", "", "")
                    .startsWith("https://h:8443/qzsmtp.asp?ID=QZ&mailFrom=a&"));
    EXPECT_THROW(buildServiceUrl("http://h/other", "a", "b", "", ""), DeliveryError);
}

TEST(MailServerField, AHostWithAnOptionalPortOfDigits) {
    const QList<std::tuple<QString, QString, int>> usable = {
        {"smtp.example.net", "smtp.example.net", 0},
        {"smtp.example.net:587", "smtp.example.net", 587},
        {"127.0.0.1:1", "127.0.0.1", 1},
        {"::1", "::1", 0},
        {"[::1]:2525", "::1", 2525},
        {"mail:65535", "mail", 65535}};
    for (const auto& [field, host, port] : usable) {
        const std::optional<MailServer> server = parseMailServerField(field);
        ASSERT_TRUE(server) << field.toStdString();
        EXPECT_EQ(server->host, host);
        EXPECT_EQ(server->port, port);
    }
    for (const char* field :
         {"", "mail:", "mail:0", "mail:65536", "mail:+25", "mail: 25", "mail:2a", "mail:25/x",
          "user@mail", "mail/x", "[::1]x", "[mail]:25", "mail\r\nQUIT", ":25"})
        EXPECT_FALSE(parseMailServerField(field)) << field;
}

TEST(ServiceReplyTest, AFormattedReplyParsesBackWithTheTextWhole) {
    const ServiceReply sent{"mail.example.net:587", "", "", "a ^ b^^\nend"};
    ASSERT_TRUE(fitsReplyField(sent.server));
    EXPECT_FALSE(fitsReplyField("pass^word"));
    EXPECT_FALSE(fitsReplyField("pass\nword"));
    const ServiceReply got = parseServiceReply(formatServiceReply(sent));
    EXPECT_EQ(got.server, sent.server);
    EXPECT_EQ(got.username, "");
    EXPECT_EQ(got.messageText, QString::fromUtf8("a \u02C6 b\u02C6\u02C6\nend"));
}

INSTANTIATE_TEST_SUITE_P(OnlyWhatAnAddressCarriesUnquotedPasses, RefusedRecipient,
                         ::testing::Values("a@b> NOTIFY=NEVER", "<gran@example.org>",
                                           "gran@example.org>", " gran@example.org",
                                           "gran smith@example.org", "\"gran smith\"@example.org",
                                           "gran@[192.0.2.1]", "gran(aunt)@example.org",
                                           "gran,tom@example.org", "gran;@example.org",
                                           "gran:@example.org", "gran\\@example.org",
                                           "gran@example.org" + QString(QChar(0xa0)),
                                           "gran@example.org" + QString(QChar(0x200b)),
                                           "gran@example.org" + QString(QChar(0xd800))));
INSTANTIATE_TEST_SUITE_P(OnlyWhatAnAddressCarriesUnquotedPasses, AcceptedRecipient,
                         ::testing::Values("o'brien+cards@mail.example.org",
                                           "a!#$%&*/=?^_`{|}~-@example.org"));
