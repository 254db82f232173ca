#pragma once
// Owners for libcurl's handles, its one-time set-up, and the set-up of a
// transfer that the web and the mail client share.
#include <QString>
#include <curl/curl.h>
#include <memory>
#include <string>

// Runs curl_global_init once for the program, before the first handle.
void ensureCurlInitialised();

struct CurlEasyDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct CurlListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
struct CurlMimeDeleter {
    void operator()(curl_mime* mime) const { curl_mime_free(mime); }
};

using CurlEasy = std::unique_ptr<CURL, CurlEasyDeleter>;
using CurlList = std::unique_ptr<curl_slist, CurlListDeleter>;
using CurlMime = std::unique_ptr<curl_mime, CurlMimeDeleter>;

// Throws DeliveryError describing result unless it is CURLE_OK.
void checkCurl(CURLcode result);

// One transfer on a fresh easy handle, set up as both clients need it: only
// the protocols named; no signals; a slow name look-up given up when the
// time-out passes; TLS peers verified against caBundle (empty: the system's
// store) and checked to carry the host's name; libcurl's own words kept for
// the error. Throws DeliveryError when libcurl cannot make a handle.
class CurlTransfer {
public:
    CurlTransfer(const char* protocols, const QString& caBundle);
    CurlTransfer(const CurlTransfer&) = delete;
    CurlTransfer& operator=(const CurlTransfer&) = delete;

    CURL* handle() const { return handle_.get(); }

    // Sets one option; throws DeliveryError when libcurl refuses it.
    template <typename Value> void set(CURLoption option, Value value) {
        checkCurl(curl_easy_setopt(handle_.get(), option, value));
    }

    // Runs the transfer; throws DeliveryError saying why it failed.
    void perform();
    // Runs the transfer once more, on the options set by then; its result.
    CURLcode attempt();
    // libcurl's words for result, with the details of the last attempt.
    std::string describe(CURLcode result) const;

private:
    CurlEasy handle_;
    char errorBuffer_[CURL_ERROR_SIZE] = {};
};

// Appends text to list, keeping ownership in the one pointer.
void appendToList(CurlList& list, const char* text);
