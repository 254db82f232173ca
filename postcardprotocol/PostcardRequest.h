#pragma once
// The conversation with the postcard service, without any I/O: the request
// URL, the test of the reply and its fields, and the address rule. The
// program and the service both build on it.
#include <QString>
#include <array>
#include <optional>

// The request's path and its five keys, in the order the program sends them;
// the first always carries kServiceId.
inline constexpr char kServicePath[] = "/qzsmtp.asp";
inline constexpr char kServiceId[] = "QZ";
inline constexpr std::array<const char*, 5> kServiceKeys = {"ID", "mailFrom", "mailTo", "msg",
                                                            "serial"};

// The service as a family writes it: "http://host[:port]", "https://host[:port]",
// or a bare "host[:port]" meaning http. Returns "scheme://host[:port]", or an
// empty text when service is none of these (a path, a login, a query, port 0).
QString serviceBaseUrl(const QString& service);

// True when service is a usable https:// address: only such a service may
// hand out a mail login.
bool isHttpsService(const QString& service);

// The request for one postcard. Every value is percent-encoded as UTF-8,
// keeping only RFC 3986's unreserved characters, so that "&", "#", "=" or a
// line break in a message reaches the service exactly as typed. Throws
// DeliveryError when service is not a usable address (see serviceBaseUrl).
QString buildServiceUrl(const QString& service, const QString& mailFrom, const QString& mailTo,
                        const QString& msg, const QString& serial);

// What the service answers: the mail account to use and the mail's body.
struct ServiceReply {
    QString server;
    QString username;
    QString password;
    QString messageText;
};

// The separator of the reply's fields, and what the service writes for one
// inside the mail's text so that the text arrives whole: U+02C6, which looks
// alike.
inline constexpr char16_t kReplySeparator = u'^';
inline constexpr char16_t kSeparatorStandIn = u'\u02C6';

// True when the reply is too short or starts like an HTML page.
bool isRejectedReply(const QString& reply);

// The first four "^"-separated fields of an accepted reply; more are ignored.
// Throws DeliveryError: number kReplyRejectedError for a rejected reply, no
// number when a field is missing or holds a control character (the mail's
// text may hold tabs and line breaks).
ServiceReply parseServiceReply(const QString& reply);

// The reply as the service sends it: the four fields joined by "^", a "^" in
// the text written as kSeparatorStandIn. The other three fields must hold
// none, nor a control character (fitsReplyField).
QString formatServiceReply(const ServiceReply& reply);
bool fitsReplyField(const QString& field);

// The mail server named in the reply's first field: a host name or address,
// optionally followed by ":port" (digits only, 1-65535; an IPv6 address with
// a port goes in brackets). port is 0 when the field names none.
struct MailServer {
    QString host;
    int port = 0;
};
std::optional<MailServer> parseMailServerField(const QString& field);

// An address as mail carries it unquoted: it holds an "@" and only letters
// and digits of any script, "." and "@", and !#$%&'*+-/=?^_`{|}~. A space,
// "<", ">", a quote, a control character or a line break would otherwise
// reach the mail's envelope and headers as something other than the address.
bool followsAddressRule(const QString& address);

// The recipient must follow the address rule and differ from the placeholder.
bool passesAddressTest(const QString& recipient, const QString& placeholder);
