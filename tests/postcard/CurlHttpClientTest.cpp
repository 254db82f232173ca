// The web client against real servers on loopback.
#include "postcard/CurlHttpClient.h"

#include "postcardprotocol/DeliveryError.h"
#include "tests/postcard/LoopbackPeer.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ThrownBy.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

QString urlOn(int port, const char* scheme = "http") {
    return QStringLiteral("%1://127.0.0.1:%2/qzsmtp.asp?ID=QZ").arg(scheme).arg(port);
}

class CurlHttpClientTest : public ::testing::Test {
protected:
    void SetUp() override { bypassProxies(); }

    // Starts a service answering reply, in place of the last one; its page's
    // address, over HTTPS when given a certificate and its key.
    QString serve(const QString& reply, int status = 200, const QString& certificate = {},
                  const QString& key = {}) {
        service_ = startPostcardService(reply, status, {}, certificate, key);
        EXPECT_NE(service_->port(), 0) << service_->error().toStdString();
        return urlOn(service_->port(), certificate.isEmpty() ? "http" : "https");
    }

    std::unique_ptr<ScriptPeer> service_;
    CurlHttpClient client_;
};

} // namespace

TEST_F(CurlHttpClientTest, ReturnsTheBodyAsUtf8Text) {
    EXPECT_EQ(client_.get(serve("smtp.example.net^u^p^Grüße 🐱")), "smtp.example.net^u^p^Grüße 🐱");
}

TEST_F(CurlHttpClientTest, AnEmptyBodyIsAnEmptyText) {
    EXPECT_EQ(client_.get(serve("")), "");
}

TEST_F(CurlHttpClientTest, AnyStatusBut200FailsAtTheReply) {
    for (int status : {202, 301, 400, 404, 500, 503}) {
        const QString url = serve("s^u^p^m", status);
        const auto e = thrownBy<DeliveryError>([&] { client_.get(url); });
        EXPECT_EQ(e.stage(), "service reply") << status;
        EXPECT_NE(std::string(e.what()).find(std::to_string(status)), std::string::npos);
    }
}

TEST_F(CurlHttpClientTest, AnUnreachableServiceFails) {
    EXPECT_THROW(client_.get(urlOn(closedPort())), DeliveryError);
}

TEST_F(CurlHttpClientTest, ASilentServiceFailsOnceTheTimeOutPasses) {
    SilentServer silent;
    client_.setTimeout(700ms);
    const auto e = thrownBy<DeliveryError>([&] { client_.get(urlOn(silent.port())); });
    EXPECT_TRUE(timedOutWithin(e.what(), 15000)) << "the default 20 s, not the time-out given";
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
    const QString url = serve("s^u^p^m", 200, certificates.loopbackCert, certificates.loopbackKey);
    EXPECT_EQ(CurlHttpClient(certificates.caFile).get(url), "s^u^p^m");
    EXPECT_THROW(client_.get(url), DeliveryError) << "the system's store does not know the test's";

    const QString otherHost =
        serve("s^u^p^m", 200, certificates.otherHostCert, certificates.otherHostKey);
    EXPECT_THROW(CurlHttpClient(certificates.caFile).get(otherHost), DeliveryError);
}
