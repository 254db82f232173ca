#include "postcard/CurlHandles.h"

#include "postcard/DeliveryError.h"

#include <string>

namespace {

struct CurlGlobal {
    CURLcode result;
    CurlGlobal() : result(curl_global_init(CURL_GLOBAL_DEFAULT)) {}
    ~CurlGlobal() {
        if (result == CURLE_OK)
            curl_global_cleanup();
    }
    CurlGlobal(const CurlGlobal&) = delete;
    CurlGlobal& operator=(const CurlGlobal&) = delete;
};

} // namespace

void ensureCurlInitialised() {
    static const CurlGlobal global;
    checkCurl(global.result);
}

CurlEasy makeCurlEasy() {
    ensureCurlInitialised();
    CurlEasy handle(curl_easy_init());
    if (!handle)
        throw DeliveryError("libcurl could not create a transfer");
    // A name server that never answers would otherwise hold the window past
    // the time-out: libcurl waits for its resolver thread unless told to
    // leave it behind.
    checkCurl(curl_easy_setopt(handle.get(), CURLOPT_QUICK_EXIT, 1L));
    return handle;
}

void appendToList(CurlList& list, const char* text) {
    curl_slist* longer = curl_slist_append(list.get(), text);
    if (!longer)
        throw DeliveryError("out of memory while preparing a transfer");
    (void)list.release();
    list.reset(longer);
}

void checkCurl(CURLcode result, const char* errorBuffer) {
    if (result == CURLE_OK)
        return;
    std::string what = curl_easy_strerror(result);
    if (errorBuffer && *errorBuffer)
        what += std::string(": ") + errorBuffer;
    throw DeliveryError(what);
}
