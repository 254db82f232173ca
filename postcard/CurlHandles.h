#pragma once
// Owners for libcurl's handles, and its one-time set-up.
#include <curl/curl.h>
#include <memory>

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

// A fresh easy handle that gives up a slow name look-up when its time-out
// passes. Throws DeliveryError when libcurl cannot make one.
CurlEasy makeCurlEasy();

// Appends text to list, keeping ownership in the one pointer.
void appendToList(CurlList& list, const char* text);

// Throws DeliveryError describing result unless it is CURLE_OK.
void checkCurl(CURLcode result, const char* errorBuffer = nullptr);
