#include "postcardservice/PostcardDesk.h"

#include "postcardprotocol/PostcardRequest.h"

#include <QStringDecoder>
#include <array>
#include <optional>

namespace {

DeskAnswer refusal(int status, const char* outcome, const char* explanation,
                   std::string recipientDomain = "-") {
    return {status,
            std::string("<!DOCTYPE html>\n<html><body><p>") + explanation + "</p></body></html>\n",
            "text/html; charset=utf-8", outcome, std::move(recipientDomain)};
}

std::optional<QString> utf8(const std::string& bytes) {
    QStringDecoder decode(QStringDecoder::Utf8);
    QString text = decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (decode.hasError())
        return std::nullopt;
    return text;
}

// The five values in kServiceKeys' order, when the query holds exactly those
// keys once each, the first being kServiceId, all of them UTF-8.
std::optional<std::array<QString, 5>> requestValues(const RequestQuery& query) {
    if (query.size() != kServiceKeys.size())
        return std::nullopt;
    std::array<QString, 5> values;
    for (std::size_t i = 0; i < kServiceKeys.size(); ++i) {
        if (query.count(kServiceKeys[i]) != 1)
            return std::nullopt;
        const std::optional<QString> value = utf8(query.find(kServiceKeys[i])->second);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    if (values[0] != QLatin1String(kServiceId))
        return std::nullopt;
    return values;
}

} // namespace

QString fillMailTemplate(const QString& mailTemplate, const QString& sender, const QString& message,
                         const QString& recipient) {
    const std::array<std::pair<QLatin1String, const QString*>, 3> fields = {
        {{QLatin1String("{sender}"), &sender},
         {QLatin1String("{message}"), &message},
         {QLatin1String("{recipient}"), &recipient}}};
    QString text;
    for (qsizetype i = 0; i < mailTemplate.size();) {
        bool filled = false;
        for (const auto& [name, value] : fields)
            if (QStringView(mailTemplate).mid(i).startsWith(name)) {
                text += *value;
                i += name.size();
                filled = true;
                break;
            }
        if (!filled)
            text += mailTemplate[i++];
    }
    return text + QStringLiteral("\n\n") + QLatin1String(kMadeWithVellumix);
}

DeskAnswer notAPostcardRequest(int status) {
    return refusal(status, "refused: not a postcard request", "This is not a postcard request.");
}

PostcardDesk::PostcardDesk(ServiceConfig config)
    : config_(std::move(config)),
      limit_(config_.postcardsPerHour, std::size_t(config_.trackedAddresses)) {}

DeskAnswer PostcardDesk::answer(const QHostAddress& client, const RequestQuery& query,
                                HourlyLimit::Clock::time_point now) {
    if (!config_.allowed.allows(client))
        return refusal(403, "refused: network not allowed",
                       "This network may not send postcards here.");
    const std::optional<std::array<QString, 5>> values = requestValues(query);
    if (!values)
        return notAPostcardRequest(400);
    const QString& sender = (*values)[1];
    const QString& recipient = (*values)[2];
    const QString& message = (*values)[3];
    if (!followsAddressRule(recipient))
        return refusal(400, "refused: recipient is no address",
                       "The recipient is not an e-mail address.");
    const std::string domain = recipient.section(u'@', -1).toStdString();
    if (message.toUcs4().size() > config_.longestMessage)
        return refusal(400, "refused: message too long", "The message is too long.", domain);
    switch (limit_.take(client, now)) {
    case HourlyLimit::Verdict::OverLimit:
        return refusal(429, "refused: over the hourly limit",
                       "Too many postcards from here this hour; try again later.", domain);
    case HourlyLimit::Verdict::TableFull:
        return refusal(429, "refused: too many clients this hour",
                       "Too many postcards this hour; try again later.", domain);
    case HourlyLimit::Verdict::Allowed:
        break;
    }
    const ServiceReply reply{config_.mailServerField(), config_.mailUser, config_.password,
                             fillMailTemplate(config_.mailTemplate, sender, message, recipient)};
    return {200, formatServiceReply(reply).toStdString(), "text/plain; charset=utf-8", "answered",
            domain};
}

std::string requestLogLine(const QDateTime& time, const QString& client, const DeskAnswer& answer) {
    return time.toUTC().toString(Qt::ISODate).toStdString() + ' ' + client.toStdString() + ' ' +
           answer.recipientDomain + ' ' + std::to_string(answer.status) + ' ' + answer.outcome;
}
