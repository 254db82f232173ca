#include "postcard/CurlHandles.h"

#include "postcardprotocol/DeliveryError.h"

#include <QFile>
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

CurlTransfer::CurlTransfer(const char* protocols, const QString& caBundle) {
    ensureCurlInitialised();
    handle_.reset(curl_easy_init());
    if (!handle_)
        throw DeliveryError("libcurl could not create a transfer");
    set(CURLOPT_ERRORBUFFER, errorBuffer_);
    set(CURLOPT_PROTOCOLS_STR, protocols);
    set(CURLOPT_NOSIGNAL, 1L);
    // A name server that never answers would otherwise hold the window past
    // the time-out: libcurl waits for its resolver thread unless told to
    // leave it behind.
    set(CURLOPT_QUICK_EXIT, 1L);
    set(CURLOPT_SSL_VERIFYPEER, 1L);
    set(CURLOPT_SSL_VERIFYHOST, 2L);
    if (!caBundle.isEmpty())
        set(CURLOPT_CAINFO, QFile::encodeName(caBundle).constData()); // libcurl copies it
}

void CurlTransfer::perform() {
    if (const CURLcode result = attempt(); result != CURLE_OK)
        throw DeliveryError(describe(result));
}

CURLcode CurlTransfer::attempt() {
    errorBuffer_[0] = '\0'; // libcurl writes it only when something fails
    return curl_easy_perform(handle_.get());
}

std::string CurlTransfer::describe(CURLcode result) const {
    std::string what = curl_easy_strerror(result);
    if (*errorBuffer_)
        what += std::string(": ") + errorBuffer_;
    return what;
}

void appendToList(CurlList& list, const char* text) {
    curl_slist* longer = curl_slist_append(list.get(), text);
    if (!longer)
        throw DeliveryError("out of memory while preparing a transfer");
    (void)list.release();
    list.reset(longer);
}

void checkCurl(CURLcode result) {
    if (result != CURLE_OK)
        throw DeliveryError(curl_easy_strerror(result));
}
