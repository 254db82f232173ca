#include "postcardservice/PostcardDesk.h"

#include "postcardprotocol/PostcardRequest.h"
#include "postcardservice/ClientNetworks.h"
#include "postcardservice/RecipientList.h"

#include <QStringDecoder>
#include <array>
#include <optional>

namespace {

DeskAnswer refusal(int status, const char* outcome, const char* explanation,
                   std::string recipientDomain = "-") {
    return {status,
            std::string("<!DOCTYPE html>\n<html><body><p>") + explanation + "</p></body></html>\n",
            "text/html; charset=utf-8",
            outcome,
            std::move(recipientDomain),
            false,
            {}};
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

namespace {

DeskAnswer notAPostcardRequest(int status) {
    return refusal(status, "refused: not a postcard request", "This is not a postcard request.");
}

// The refusal of a postcard request whose values cannot be used, or nothing.
std::optional<DeskAnswer> faultOf(const std::array<QString, 5>& values,
                                  const ServiceConfig& config) {
    const QString& sender = values[1];
    const QString& recipient = values[2];
    if (!followsAddressRule(recipient) || !addressParts(recipient) ||
        recipient.size() > kLongestRecipient)
        return refusal(400, "refused: recipient is no address",
                       "The recipient is not an e-mail address.");
    const std::string domain = recipient.section(u'@', -1).toStdString();
    if (sender.toUcs4().size() > kLongestSender || values[4].size() > kLongestSerial)
        return refusal(400, "refused: sender or serial too long", "The sender's name is too long.",
                       domain);
    if (!config.recipients.allows(recipient))
        return refusal(403, "refused: recipient not listed",
                       "This service does not send postcards to that address.", domain);
    if (values[3].toUcs4().size() > config.longestMessage)
        return refusal(400, "refused: message too long", "The message is too long.", domain);
    return std::nullopt;
}

} // namespace

PostcardDesk::PostcardDesk(ServiceConfig config)
    : config_(std::move(config)),
      limit_(config_.postcardsPerHour, std::size_t(config_.trackedAddresses)) {}

DeskAnswer PostcardDesk::answer(const DeskRequest& request, HourlyLimit::Clock::time_point now) {
    if (!admits(request.client))
        return refusal(403, "refused: network not allowed",
                       "This network may not send postcards here.");
    if (request.path != kServicePath)
        return notAPostcardRequest(404);
    if (request.method != "GET")
        return notAPostcardRequest(405);
    if (request.hasBody) {
        DeskAnswer refused = notAPostcardRequest(400);
        refused.closeConnection = true; // its body is never read
        return refused;
    }
    const std::optional<std::array<QString, 5>> values = requestValues(request.query);
    if (!values)
        return notAPostcardRequest(400);
    if (std::optional<DeskAnswer> fault = faultOf(*values, config_))
        return *fault;
    const QString& recipient = (*values)[2];
    const std::string domain = recipient.section(u'@', -1).toStdString();
    const HourlyLimit::Count count = limit_.take(request.client, now);
    const std::string notice =
        count.justFilled
            ? "the client table is full (" + std::to_string(config_.trackedAddresses) +
                  " clients this hour): new clients are counted by their /24 or /48 block"
            : std::string();
    const std::string countedAs = count.countedAs == clientIdentity(request.client)
                                      ? std::string()
                                      : " (counted as " + count.countedAs.toStdString() + ")";
    DeskAnswer answer;
    switch (count.verdict) {
    case HourlyLimit::Verdict::OverLimit:
        answer = refusal(429, "refused: over the hourly limit",
                         "Too many postcards from here this hour; try again later.", domain);
        break;
    case HourlyLimit::Verdict::TableFull:
        answer = refusal(429, "refused: too many clients this hour",
                         "Too many postcards this hour; try again later.", domain);
        break;
    case HourlyLimit::Verdict::Allowed:
        const ServiceReply reply{
            config_.mailServerField(), config_.mailUser, config_.password,
            fillMailTemplate(config_.mailTemplate, (*values)[1], (*values)[3], recipient)};
        answer = {200,
                  formatServiceReply(reply).toStdString(),
                  "text/plain; charset=utf-8",
                  "reply given",
                  domain,
                  false,
                  {}};
        break;
    }
    answer.outcome += countedAs;
    answer.notice = notice;
    return answer;
}

std::string requestLogLine(const QDateTime& time, const QString& client, const DeskAnswer& answer) {
    return time.toUTC().toString(Qt::ISODate).toStdString() + ' ' + client.toStdString() + ' ' +
           answer.recipientDomain + ' ' + std::to_string(answer.status) + ' ' + answer.outcome;
}
