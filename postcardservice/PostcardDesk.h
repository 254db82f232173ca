#pragma once
// Answers the program's service request: checks who asks and what, counts
// the client's postcards, and fills the mail text in. Without any I/O.
#include "postcardservice/HourlyLimit.h"
#include "postcardservice/ServiceConfig.h"

#include <QDateTime>
#include <QHostAddress>
#include <map>
#include <string>

// The query as the HTTP library decodes it: key, value, each pair as sent.
using RequestQuery = std::multimap<std::string, std::string>;

struct DeskAnswer {
    int status = 200;
    std::string body;            // UTF-8: the reply, or a short HTML page for a refusal
    std::string contentType;     // of body
    std::string outcome;         // for the log: "answered" or why not
    std::string recipientDomain; // for the log; "-" when there is no usable recipient
};

// The line every mail text ends with.
inline constexpr char kMadeWithVellumix[] = "This picture was made with Vellumix.";

// The template with {sender}, {message} and {recipient} filled in one pass
// (a message holding "{recipient}" stays as typed), then a blank line and
// kMadeWithVellumix.
QString fillMailTemplate(const QString& mailTemplate, const QString& sender, const QString& message,
                         const QString& recipient);

// One line of the request log: time (UTC), client, recipient's domain,
// status and outcome; never the password or the message.
std::string requestLogLine(const QDateTime& time, const QString& client, const DeskAnswer& answer);

// The refusal of anything that is not the service's request, with status.
DeskAnswer notAPostcardRequest(int status);

class PostcardDesk {
public:
    explicit PostcardDesk(ServiceConfig config);

    // Refusals get a 4xx status with a body starting with "<", which the
    // program takes as a failed delivery.
    DeskAnswer answer(const QHostAddress& client, const RequestQuery& query,
                      HourlyLimit::Clock::time_point now);

    const ServiceConfig& config() const { return config_; }
    const HourlyLimit& limit() const { return limit_; }

private:
    ServiceConfig config_;
    HourlyLimit limit_;
};
