#include "tests/postcard/FakeClients.h"

#include "postcardprotocol/DeliveryError.h"

#include <QFile>

namespace {

class FakeHttpClient : public HttpClient {
public:
    explicit FakeHttpClient(FakeNetwork& network) : network_(network) {}

    void setTimeout(std::chrono::milliseconds timeout) override {
        network_.serviceTimeouts.append(timeout);
    }

    QString get(const QString& url) override {
        network_.urls.append(url);
        if (network_.serviceFailure)
            throw DeliveryError(network_.serviceFailure->toStdString());
        return network_.reply;
    }

private:
    FakeNetwork& network_;
};

class FakeMailClient : public MailClient {
public:
    FakeMailClient(FakeNetwork& network, const PostcardSettings& settings)
        : network_(network), timeouts_(settings.mailTimeouts), caBundle_(settings.caBundle),
          verifyRelayCertificate_(settings.verifyRelayCertificate) {}

    void send(const PostcardMail& mail) override {
        QFile attachment(mail.attachmentPath);
        const QByteArray bytes = attachment.open(QIODevice::ReadOnly) ? attachment.readAll() : "";
        network_.mails.append(
            {mail, bytes, timeouts_, caBundle_, verifyRelayCertificate_, !network_.mailFailure});
        if (network_.mailFailure)
            throw DeliveryError(network_.mailFailure->toStdString());
    }

private:
    FakeNetwork& network_;
    MailTimeouts timeouts_;
    QString caBundle_;
    bool verifyRelayCertificate_;
};

} // namespace

QList<FakeNetwork::GivenMail> FakeNetwork::delivered() const {
    QList<GivenMail> taken;
    for (const GivenMail& given : mails)
        if (given.accepted)
            taken.append(given);
    return taken;
}

void FakeNetwork::install(PostcardSettings& settings) {
    settings.makeHttpClient = [this](const QString&) {
        return std::make_unique<FakeHttpClient>(*this);
    };
    settings.makeMailClient = [this](const PostcardSettings& given) {
        return std::make_unique<FakeMailClient>(*this, given);
    };
}
