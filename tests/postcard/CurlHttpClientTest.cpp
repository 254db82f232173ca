// The web client against real servers on loopback.
#include "postcard/CurlHttpClient.h"

#include "postcardprotocol/DeliveryError.h"
#include "tests/postcard/LoopbackPeer.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

QString urlOn(int port, const QString& path = "/qzsmtp.asp?ID=QZ") {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path);
}

class CurlHttpClientTest : public ::testing::Test {
protected:
    void SetUp() override { bypassProxies(); }
    CurlHttpClient client_;
};

} // namespace

TEST_F(CurlHttpClientTest, ReturnsTheBodyAsUtf8Text) {
    const auto service = startPostcardService("smtp.example.net^u^p^Grüße 🐱");
    ASSERT_NE(service->port(), 0) << service->error().toStdString();
    EXPECT_EQ(client_.get(urlOn(service->port())), "smtp.example.net^u^p^Grüße 🐱");
}

TEST_F(CurlHttpClientTest, AnEmptyBodyIsAnEmptyText) {
    const auto service = startPostcardService("");
    ASSERT_NE(service->port(), 0) << service->error().toStdString();
    EXPECT_EQ(client_.get(urlOn(service->port())), "");
}

TEST_F(CurlHttpClientTest, AnyStatusBut200FailsAtTheReply) {
    for (int status : {202, 301, 400, 404, 500, 503}) {
        const auto service = startPostcardService("s^u^p^m", status);
        ASSERT_NE(service->port(), 0) << service->error().toStdString();
        try {
            client_.get(urlOn(service->port()));
            ADD_FAILURE() << status << " was taken";
        } catch (const DeliveryError& e) {
            EXPECT_EQ(e.stage(), "service reply") << status;
            EXPECT_NE(std::string(e.what()).find(std::to_string(status)), std::string::npos);
        }
    }
}

TEST_F(CurlHttpClientTest, AnUnreachableServiceFails) {
    EXPECT_THROW(client_.get(urlOn(closedPort())), DeliveryError);
}

TEST_F(CurlHttpClientTest, ASilentServiceFailsOnceTheTimeOutPasses) {
    SilentServer silent;
    client_.setTimeout(700ms);
    try {
        client_.get(urlOn(silent.port()));
        ADD_FAILURE() << "a silent service was taken";
    } catch (const DeliveryError& e) {
        EXPECT_TRUE(timedOutWithin(e.what(), 15000)) << "the default 20 s, not the time-out given";
    }
}

TEST_F(CurlHttpClientTest, ANameServerThatNeverAnswersIsGivenUpWithinTheTimeOut) {
    client_.setTimeout(1s);
    const SilentLookUpOutcome outcome = runBesideSilentNameServer(
        [this] { client_.get("http://postcards.example.net/qzsmtp.asp?ID=QZ"); });
    if (!outcome.refused.isEmpty())
        GTEST_SKIP() << "no silent name server here: " << outcome.refused.toStdString();
    EXPECT_TRUE(outcome.threw);
    EXPECT_TRUE(timedOutWithin(outcome.what, 5000)) << "a 1 s time-out, not the resolver's 20 s";
}

TEST_F(CurlHttpClientTest, OnlyWebAddressesAreFetched) {
    EXPECT_THROW(client_.get("file:///etc/hostname"), DeliveryError);
}

TEST_F(CurlHttpClientTest, HttpsNeedsACertificateThatChainsToTheStoreAndNamesTheHost) {
    const TestCertificates& certificates = testCertificates();
    const auto service = startPostcardService("s^u^p^m", 200, {}, certificates.loopbackCert,
                                              certificates.loopbackKey);
    ASSERT_NE(service->port(), 0) << service->error().toStdString();
    const QString url = QStringLiteral("https://127.0.0.1:%1/qzsmtp.asp").arg(service->port());
    EXPECT_EQ(CurlHttpClient(certificates.caFile).get(url), "s^u^p^m");
    EXPECT_THROW(client_.get(url), DeliveryError) << "the system's store does not know the test's";

    const auto otherHost = startPostcardService("s^u^p^m", 200, {}, certificates.otherHostCert,
                                                certificates.otherHostKey);
    ASSERT_NE(otherHost->port(), 0) << otherHost->error().toStdString();
    EXPECT_THROW(CurlHttpClient(certificates.caFile)
                     .get(QStringLiteral("https://127.0.0.1:%1/").arg(otherHost->port())),
                 DeliveryError);
}
