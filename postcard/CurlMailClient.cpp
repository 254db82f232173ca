#include "postcard/CurlMailClient.h"

#include "postcard/CurlHandles.h"
#include "postcardprotocol/DeliveryError.h"

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
    CurlTransfer transfer("smtp", caBundle_);
    const QByteArray url = smtpServerUrl(mail.server, mail.port);
    const QByteArray from = "<" + mail.mailfrom.toUtf8() + ">";
    const QByteArray to = "<" + mail.sendto.toUtf8() + ">";
    const QByteArray username = mail.username.toUtf8();
    const QByteArray password = mail.password.toUtf8();

    CurlList recipients;
    appendToList(recipients, to.constData());
    CurlList headers;
    const QList<QByteArray> headerLines = mailHeaders(mail);
    for (const QByteArray& line : headerLines)
        appendToList(headers, line.constData());
    const CurlMime message = buildMessage(transfer.handle(), mail);

    transfer.set(CURLOPT_URL, url.constData());
    // The account's password must never travel in clear; a mail without a
    // login still takes TLS where the server offers it.
    transfer.set(CURLOPT_USE_SSL, username.isEmpty() ? long(CURLUSESSL_TRY) : long(CURLUSESSL_ALL));
    if (!username.isEmpty()) {
        transfer.set(CURLOPT_USERNAME, username.constData());
        transfer.set(CURLOPT_PASSWORD, password.constData());
    }
    transfer.set(CURLOPT_MAIL_FROM, from.constData());
    transfer.set(CURLOPT_MAIL_RCPT, recipients.get());
    transfer.set(CURLOPT_HTTPHEADER, headers.get());
    transfer.set(CURLOPT_MIMEPOST, message.get());
    transfer.set(CURLOPT_CONNECTTIMEOUT_MS, long(timeouts_.connect.count()));
    transfer.set(CURLOPT_SERVER_RESPONSE_TIMEOUT, long(timeouts_.serverResponse.count()));
    transfer.set(CURLOPT_TIMEOUT_MS, long(timeouts_.wholeSend.count()));
    transfer.perform();
}
