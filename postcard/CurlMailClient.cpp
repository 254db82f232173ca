#include "postcard/CurlMailClient.h"

#include "postcard/CurlHandles.h"
#include "postcard/DeliveryError.h"

#include <QFile>

namespace {

void checkMime(CURLcode result) {
    checkCurl(result);
}

// The message: the service's text first, then the picture.
CurlMime buildMessage(CURL* handle, const PostcardMail& mail) {
    CurlMime mime(curl_mime_init(handle));
    if (!mime)
        throw DeliveryError("out of memory while preparing the mail");

    curl_mimepart* text = curl_mime_addpart(mime.get());
    const QByteArray body = mailBodyText(mail);
    checkMime(curl_mime_data(text, body.constData(), size_t(body.size())));
    checkMime(curl_mime_type(text, "text/plain; charset=UTF-8"));
    checkMime(curl_mime_encoder(text, "quoted-printable"));

    curl_mimepart* picture = curl_mime_addpart(mime.get());
    const QByteArray path = QFile::encodeName(mail.attachmentPath);
    checkMime(curl_mime_filedata(picture, path.constData()));
    checkMime(curl_mime_filename(picture, PostcardAttachmentName));
    checkMime(curl_mime_type(picture, "image/jpeg"));
    checkMime(curl_mime_encoder(picture, "base64"));
    return mime;
}

} // namespace

void CurlMailClient::send(const PostcardMail& mail) {
    CurlEasy curl = makeCurlEasy();
    CURL* handle = curl.get();
    char errorBuffer[CURL_ERROR_SIZE] = {};

    const QByteArray url = smtpServerUrl(mail.server, mail.port);
    const QByteArray from = "<" + mail.mailfrom.toUtf8() + ">";
    const QByteArray to = "<" + mail.sendto.toUtf8() + ">";
    const QByteArray username = mail.username.toUtf8();
    const QByteArray password = mail.password.toUtf8();
    const QByteArray caBundle = QFile::encodeName(caBundle_);

    CurlList recipients;
    appendToList(recipients, to.constData());
    CurlList headers;
    const QList<QByteArray> headerLines = mailHeaders(mail);
    for (const QByteArray& line : headerLines)
        appendToList(headers, line.constData());
    const CurlMime message = buildMessage(handle, mail);

    checkCurl(curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer));
    checkCurl(curl_easy_setopt(handle, CURLOPT_URL, url.constData()));
    checkCurl(curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "smtp"));
    checkCurl(curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L));
    // The account's password must never travel in clear; a mail without a
    // login still takes TLS where the server offers it.
    const long tls = username.isEmpty() ? CURLUSESSL_TRY : CURLUSESSL_ALL;
    checkCurl(curl_easy_setopt(handle, CURLOPT_USE_SSL, tls));
    checkCurl(curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L));
    checkCurl(curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L));
    if (!caBundle.isEmpty())
        checkCurl(curl_easy_setopt(handle, CURLOPT_CAINFO, caBundle.constData()));
    if (!username.isEmpty()) {
        checkCurl(curl_easy_setopt(handle, CURLOPT_USERNAME, username.constData()));
        checkCurl(curl_easy_setopt(handle, CURLOPT_PASSWORD, password.constData()));
    }
    checkCurl(curl_easy_setopt(handle, CURLOPT_MAIL_FROM, from.constData()));
    checkCurl(curl_easy_setopt(handle, CURLOPT_MAIL_RCPT, recipients.get()));
    checkCurl(curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get()));
    checkCurl(curl_easy_setopt(handle, CURLOPT_MIMEPOST, message.get()));
    checkCurl(curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, long(timeouts_.connect.count())));
    checkCurl(curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT,
                               long(timeouts_.serverResponse.count())));
    checkCurl(curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, long(timeouts_.wholeSend.count())));
    checkCurl(curl_easy_perform(handle), errorBuffer);
}
