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

// What the desk needs to know of an HTTP request.
struct DeskRequest {
    QHostAddress client;
    std::string method = "GET";
    std::string path = "/qzsmtp.asp"; // without the query, decoded
    bool hasBody = false;             // a Content-Length above 0 or a Transfer-Encoding
    RequestQuery query;
};

struct DeskAnswer {
    int status = 200;
    std::string body;            // UTF-8: the reply, or a short HTML page for a refusal
    std::string contentType;     // of body
    std::string outcome;         // for the log: "reply given" or why not
    std::string recipientDomain; // for the log; "-" when there is no usable recipient
    bool closeConnection = false;
    std::string notice; // a line for the log beside this request's, when there is one
};

// The longest recipient mail takes, and the caps on the sender and serial.
inline constexpr int kLongestRecipient = 254;
inline constexpr int kLongestSender = 100;
inline constexpr int kLongestSerial = 64;

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

class PostcardDesk {
public:
    explicit PostcardDesk(ServiceConfig config);

    // Whether client may ask at all; asked again by answer().
    bool admits(const QHostAddress& client) const { return config_.allowed.allows(client); }

    // Refusals get a 4xx status with a body starting with "<", which the
    // program takes as a failed delivery. Only a request that could be
    // answered counts towards the client's postcards.
    DeskAnswer answer(const DeskRequest& request, HourlyLimit::Clock::time_point now);

    const HourlyLimit& limit() const { return limit_; }

private:
    ServiceConfig config_;
    HourlyLimit limit_;
};
