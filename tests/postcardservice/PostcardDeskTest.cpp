// The service's answer to a request, its limits and networks, without HTTP.
#include "postcardservice/PostcardDesk.h"

#include "postcardprotocol/PostcardRequest.h"
#include "postcardservice/LogThrottle.h"

#include <QTimeZone>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

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
    c.recipients = *RecipientList::parse("@example.org g@x");
    return c;
}

DeskRequest asked(RequestQuery query, const char* client = "127.0.0.1") {
    return {QHostAddress(QString::fromLatin1(client)), "GET", "/qzsmtp.asp", false,
            std::move(query)};
}

} // namespace

TEST(PostcardDeskTest, AnsweredWithTheRelayAndTheFilledTemplate) {
    PostcardDesk desk(config());
    const DeskAnswer answer = desk.answer(asked(request()), kStart);
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
    const auto with = [](auto change) {
        DeskRequest r = asked(request());
        change(r);
        return r;
    };
    struct Refused {
        DeskRequest request;
        int status;
        bool closes = false;
    };
    const std::vector<Refused> refused = {
        {with([](DeskRequest& r) { r.query.emplace("mailTo", "other@example.org"); }), 400},
        {with([](DeskRequest& r) { r.query.emplace("cc", "other@example.org"); }), 400},
        {with([](DeskRequest& r) { r.query.erase("serial"); }), 400},
        {with([](DeskRequest& r) { r.query.find("ID")->second = "XX"; }), 400},
        {with([](DeskRequest& r) { r.query.find("mailFrom")->second.assign(101, 'T'); }), 400},
        {with([](DeskRequest& r) { r.query.find("serial")->second.assign(65, 'V'); }), 400},
        {with([](DeskRequest& r) { r.path = "/qzsmtp.asp/"; }), 404},
        {with([](DeskRequest& r) { r.method = "HEAD"; }), 405},
        {with([](DeskRequest& r) { r.method = "POST"; }), 405},
        {with([](DeskRequest& r) { r.hasBody = true; }), 400, true},
        {asked(request(), "192.0.2.7"), 403},
        {asked(request("gran@example.org>\r\nRCPT TO:<x@y>")), 400},
        {asked(request("no-at-sign")), 400},
        {asked(request("g@x", "\xff\xfe")), 400},
        {asked(request("g@x", std::string(21, 'a'))), 400},
        {asked(request("@example.org")), 400},
        {asked(request("gran@")), 400},
        {asked(request(std::string(243, 'g') + "@example.org")), 400},
        {asked(request("gran@example.net")), 403}};
    PostcardDesk desk(config());
    for (const auto& [asking, status, closes] : refused) {
        const DeskAnswer answer = desk.answer(asking, kStart);
        EXPECT_EQ(answer.status, status) << answer.outcome;
        EXPECT_EQ(answer.closeConnection, closes) << answer.outcome;
        EXPECT_TRUE(isRejectedReply(QString::fromStdString(answer.body))) << answer.body;
    }
    EXPECT_EQ(desk.limit().tracked(), 0u) << "no refusal counted";
    // The longest recipient, and twenty characters of any script, are within the limits.
    for (const RequestQuery& query : {request(std::string(242, 'g') + "@example.org"),
                                      request("g@x", "猫🐱猫🐱猫🐱猫🐱猫🐱猫🐱猫🐱猫🐱猫🐱猫🐱")})
        EXPECT_EQ(desk.answer(asked(query), kStart).status, 200);
}

TEST(PostcardDeskTest, EachClientHasItsPostcardsPerHourAndTheTableStaysSmall) {
    PostcardDesk desk(config());
    const auto status = [&desk](const char* client, HourlyLimit::Clock::time_point when) {
        return desk.answer(asked(request(), client), when).status;
    };
    EXPECT_EQ(status("127.0.0.1", kStart), 200);
    EXPECT_EQ(status("::ffff:127.0.0.1", kStart + 1s), 200) << "the same client through IPv6";
    EXPECT_EQ(status("127.0.0.1", kStart + 2s), 429);
    EXPECT_EQ(status("127.0.0.2", kStart + 3s), 200);
    EXPECT_EQ(status("127.0.0.3", kStart + 4s), 200);
    const DeskAnswer filled = desk.answer(asked(request(), "127.0.0.4"), kStart + 5s);
    EXPECT_EQ(filled.outcome, "reply given (counted as 127.0.0.0/24)") << "the table is full";
    EXPECT_NE(filled.notice.find("the client table is full"), std::string::npos);
    EXPECT_EQ(status("127.0.0.5", kStart + 5s), 200) << "the block's second postcard";
    EXPECT_EQ(status("127.0.0.6", kStart + 5s), 429) << "the block had its postcards";
    EXPECT_EQ(desk.answer(asked(request(), "127.0.1.1"), kStart + 6s).notice, "") << "said once";
    EXPECT_EQ(desk.limit().tracked(), 5u);
    EXPECT_EQ(status("127.0.0.1", kStart + 1h), 200) << "its hour over, a client starts again";
    EXPECT_EQ(status("127.0.0.4", kStart + 1h + 5s), 200) << "the others' hour over, they go";
    EXPECT_EQ(desk.limit().tracked(), 3u);
}

TEST(PostcardDeskTest, NetworksAreCidrBlocks) {
    const std::optional<ClientNetworks> home =
        ClientNetworks::parse("192.168.1.0/24, 10.0.0.7 fd00::/8");
    ASSERT_TRUE(home);
    for (const char* inside : {"192.168.1.200", "::ffff:192.168.1.3", "10.0.0.7", "fd12::1"})
        EXPECT_TRUE(home->allows(QHostAddress(inside))) << inside;
    for (const char* outside : {"192.168.2.1", "10.0.0.8", "127.0.0.1"})
        EXPECT_FALSE(home->allows(QHostAddress(outside))) << outside;
    for (const char* bad :
         {"192.168.1.0/33", "home", "10.0.0.0/8,, x", "::ffff:10.0.0.0/104", "10/8"})
        EXPECT_FALSE(ClientNetworks::parse(bad)) << bad;
}

TEST(PostcardDeskTest, TheLogLineHoldsNeitherMessageNorPassword) {
    ServiceConfig withLogin = config();
    withLogin.mailUser = "cards";
    withLogin.password = "s3cret";
    PostcardDesk desk(withLogin);
    const DeskAnswer answer = desk.answer(asked(request()), kStart);
    const std::string line = requestLogLine(
        QDateTime(QDate(2026, 12, 9), QTime(3, 0), QTimeZone::utc()), "127.0.0.1", answer);
    EXPECT_EQ(line, "2026-12-09T03:00:00Z 127.0.0.1 example.org 200 reply given");
}

TEST(PostcardDeskTest, RefusalsAreLoggedOnceAMinutePerAddress) {
    LogThrottle throttle(1min, 2);
    const std::vector<std::tuple<const char*, std::chrono::seconds, bool>> lines = {
        {"a", 0s, true},   {"a", 59s, false}, {"b", 59s, true}, {"c", 59s, true},
        {"d", 59s, false}, {"a", 60s, true},  {"c", 90s, false}};
    for (const auto& [key, when, admitted] : lines)
        EXPECT_EQ(throttle.admits(key, LogThrottle::Clock::time_point{} + when), admitted)
            << key << " at " << when.count();
}
