#pragma once
// What the mail client and the relay said to each other, as far as telling
// why a delivery failed needs it: the names of the commands sent (never their
// arguments, which carry the login) and the relay's last reply line. The
// message itself and the TLS bytes are never kept.
#include <curl/curl.h>
#include <string>
#include <string_view>
#include <vector>

class SmtpTranscript {
public:
    // libcurl's debug callback (CURLOPT_DEBUGFUNCTION) for a transcript given
    // as CURLOPT_DEBUGDATA.
    static int fromCurl(CURL* handle, curl_infotype type, char* data, size_t size, void* self);

    void commandSent(std::string_view line);
    void replyHeard(std::string_view lines);
    void clear();

    // True once a command of this name (e.g. "STARTTLS") was sent.
    bool sent(std::string_view command) const;
    const std::string& lastReply() const { return lastReply_; }

    // The stage (DeliveryStage) a transfer that ended with result failed at.
    const char* failedStage(CURLcode result) const;

private:
    std::vector<std::string> commands_;
    std::string lastReply_;
    bool closing_ = false;
};
