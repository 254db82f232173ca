// The service's answer to a request, its limits and networks, without HTTP.
#include "postcardservice/PostcardDesk.h"

#include "postcardprotocol/PostcardRequest.h"

#include <QTimeZone>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

const QHostAddress kLoopback(QStringLiteral("127.0.0.1"));
const HourlyLimit::Clock::time_point kStart{};

RequestQuery request(const std::string& recipient = "gran@example.org",
                     const std::string& message = "Hello ^ gran") {
    return {{"ID", "QZ"},
            {"mailFrom", "Tom"},
            {"mailTo", recipient},
            {"msg", message},
            {"serial", "VX1"}};
}

ServiceConfig config() {
    ServiceConfig c;
    c.mailServer = "mail.home.arpa";
    c.mailPort = 587;
    c.mailTemplate = "To {recipient} from {sender}: {message}";
    c.postcardsPerHour = 2;
    c.trackedAddresses = 3;
    c.longestMessage = 20;
    return c;
}

} // namespace

TEST(PostcardDeskTest, AnsweredWithTheRelayAndTheFilledTemplate) {
    PostcardDesk desk(config());
    const DeskAnswer answer = desk.answer(kLoopback, request(), kStart);
    ASSERT_EQ(answer.status, 200) << answer.body;
    const ServiceReply reply = parseServiceReply(QString::fromStdString(answer.body));
    EXPECT_EQ(reply.server, "mail.home.arpa:587");
    EXPECT_EQ(reply.username, "");
    EXPECT_EQ(reply.password, "");
    EXPECT_EQ(reply.messageText, QString::fromUtf8("To gran@example.org from Tom: Hello \u02C6 gran"
                                                   "\n\nThis picture was made with Vellumix."));
    EXPECT_EQ(answer.recipientDomain, "example.org");
}

TEST(PostcardDeskTest, TheTemplateIsFilledInOnePass) {
    EXPECT_EQ(fillMailTemplate("{message}|{recipient}|{sender}|{other}", "{message}", "{recipient}",
                               "r@x"),
              "{recipient}|r@x|{message}|{other}\n\nThis picture was made with Vellumix.");
}

TEST(PostcardDeskTest, RefusalsAre4xxPagesTheProgramRejects) {
    RequestQuery duplicated = request();
    duplicated.emplace("mailTo", "other@example.org");
    RequestQuery extra = request();
    extra.emplace("cc", "other@example.org");
    RequestQuery missing = request();
    missing.erase("serial");
    RequestQuery wrongId = request();
    wrongId.find("ID")->second = "XX";
    const std::vector<std::pair<RequestQuery, int>> refused = {
        {duplicated, 400},
        {extra, 400},
        {missing, 400},
        {wrongId, 400},
        {request("gran@example.org>\r\nRCPT TO:<x@y>"), 400},
        {request("no-at-sign"), 400},
        {request("g@x", "\xff\xfe"), 400},
        {request("g@x", std::string(21, 'a')), 400}};
    PostcardDesk desk(config());
    for (const auto& [query, status] : refused) {
        const DeskAnswer answer = desk.answer(kLoopback, query, kStart);
        EXPECT_EQ(answer.status, status) << answer.outcome;
        EXPECT_TRUE(isRejectedReply(QString::fromStdString(answer.body))) << answer.body;
    }
    const DeskAnswer outside = desk.answer(QHostAddress("192.0.2.7"), request(), kStart);
    EXPECT_EQ(outside.status, 403);
    EXPECT_TRUE(isRejectedReply(QString::fromStdString(outside.body)));
    // Twenty characters of any script are within the limit.
    EXPECT_EQ(
        desk.answer(kLoopback, request("g@x", "猫🐱猫🐱猫🐱猫🐱猫🐱猫🐱猫🐱猫🐱猫🐱猫🐱"), kStart).status,
        200);
}

TEST(PostcardDeskTest, EachClientHasItsPostcardsPerHourAndTheTableStaysSmall) {
    PostcardDesk desk(config());
    const auto status = [&desk](const char* client, HourlyLimit::Clock::time_point when) {
        return desk.answer(QHostAddress(QString::fromLatin1(client)), request(), when).status;
    };
    EXPECT_EQ(status("127.0.0.1", kStart), 200);
    EXPECT_EQ(status("::ffff:127.0.0.1", kStart + 1s), 200) << "the same client through IPv6";
    EXPECT_EQ(status("127.0.0.1", kStart + 2s), 429);
    EXPECT_EQ(status("127.0.0.2", kStart + 3s), 200);
    EXPECT_EQ(status("127.0.0.3", kStart + 4s), 200);
    EXPECT_EQ(status("127.0.0.4", kStart + 5s), 429) << "three clients fill the table";
    EXPECT_EQ(desk.limit().tracked(), 3u);
    EXPECT_EQ(status("127.0.0.1", kStart + 1h), 200) << "its hour over, a client starts again";
    EXPECT_EQ(status("127.0.0.4", kStart + 1h + 5s), 200) << "the others' hour over, they go";
    EXPECT_EQ(desk.limit().tracked(), 2u);
}

TEST(PostcardDeskTest, NetworksAreCidrBlocks) {
    const std::optional<ClientNetworks> home =
        ClientNetworks::parse("192.168.1.0/24, 10.0.0.7 fd00::/8");
    ASSERT_TRUE(home);
    EXPECT_TRUE(home->allows(QHostAddress("192.168.1.200")));
    EXPECT_TRUE(home->allows(QHostAddress("::ffff:192.168.1.3")));
    EXPECT_TRUE(home->allows(QHostAddress("10.0.0.7")));
    EXPECT_TRUE(home->allows(QHostAddress("fd12::1")));
    EXPECT_FALSE(home->allows(QHostAddress("192.168.2.1")));
    EXPECT_FALSE(home->allows(QHostAddress("10.0.0.8")));
    EXPECT_FALSE(home->allows(QHostAddress("127.0.0.1")));
    for (const char* bad : {"192.168.1.0/33", "home", "10.0.0.0/8,, x"})
        EXPECT_FALSE(ClientNetworks::parse(bad)) << bad;
}

TEST(PostcardDeskTest, TheLogLineHoldsNeitherMessageNorPassword) {
    ServiceConfig withLogin = config();
    withLogin.mailUser = "cards";
    withLogin.password = "s3cret";
    PostcardDesk desk(withLogin);
    const DeskAnswer answer = desk.answer(kLoopback, request(), kStart);
    const std::string line = requestLogLine(
        QDateTime(QDate(2026, 12, 9), QTime(3, 0), QTimeZone::utc()), "127.0.0.1", answer);
    EXPECT_EQ(line, "2026-12-09T03:00:00Z 127.0.0.1 example.org 200 answered");
}
