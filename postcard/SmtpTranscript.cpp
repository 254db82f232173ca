#include "postcard/SmtpTranscript.h"

#include "postcard/PostcardConstants.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

int SmtpTranscript::fromCurl(CURL*, curl_infotype type, char* data, size_t size, void* self) {
    auto* transcript = static_cast<SmtpTranscript*>(self);
    const std::string_view text(data, size);
    if (type == CURLINFO_HEADER_OUT)
        transcript->commandSent(text);
    else if (type == CURLINFO_HEADER_IN)
        transcript->replyHeard(text);
    return 0;
}

void SmtpTranscript::commandSent(std::string_view line) {
    std::string name(line.substr(0, line.find_first_of(" \r\n")));
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    // Lines of a login's exchange are no commands (and carry the login).
    static constexpr std::array<std::string_view, 9> known = {
        "EHLO", "HELO", "STARTTLS", "AUTH", "MAIL", "RCPT", "DATA", "RSET", "QUIT"};
    if (std::find(known.begin(), known.end(), name) == known.end())
        return;
    // libcurl says goodbye after a failure too: what failed came before.
    closing_ = closing_ || name == "QUIT";
    if (!closing_)
        commands_.push_back(std::move(name));
}

void SmtpTranscript::replyHeard(std::string_view lines) {
    if (closing_)
        return;
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        std::string_view line = lines.substr(0, end);
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.remove_suffix(1);
        if (!line.empty())
            lastReply_ = line;
        lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
    }
}

void SmtpTranscript::clear() {
    commands_.clear();
    lastReply_.clear();
    closing_ = false;
}

bool SmtpTranscript::sent(std::string_view command) const {
    return std::find(commands_.begin(), commands_.end(), command) != commands_.end();
}

const char* SmtpTranscript::failedStage(CURLcode result) const {
    switch (result) {
    case CURLE_LOGIN_DENIED: // also when the relay offers no way to log in
    case CURLE_AUTH_ERROR:
        return DeliveryStage::Login;
    case CURLE_USE_SSL_FAILED: // no STARTTLS, or STARTTLS refused
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
        return DeliveryStage::Tls;
    default:
        break;
    }
    const std::string last = commands_.empty() ? std::string() : commands_.back();
    if (last == "STARTTLS")
        return DeliveryStage::Tls;
    if (last == "AUTH")
        return DeliveryStage::Login;
    if (last == "MAIL")
        return DeliveryStage::Sender;
    if (last == "RCPT")
        return DeliveryStage::Recipient;
    if (last == "DATA")
        return DeliveryStage::Data;
    return DeliveryStage::MailConnection; // nothing sent yet, or only the greeting
}
