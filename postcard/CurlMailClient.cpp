#include "postcard/CurlMailClient.h"

#include "postcard/CurlHandles.h"
#include "postcard/SmtpTranscript.h"
#include "postcardprotocol/DeliveryError.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <string>

namespace {

constexpr char kUncheckedCertificate[] =
    "Vellumix: postcard: TLS: the relay's certificate does not check out (%1); the postcard "
    "goes inside TLS all the same ([postcard] relay_tls = verify makes the check strict).";

void checkMime(CURLcode result) {
    checkCurl(result);
}

// libcurl's words, and the relay's last reply where it gave one.
std::string failureText(const CurlTransfer& transfer, CURLcode result,
                        const SmtpTranscript& transcript) {
    std::string what = transfer.describe(result);
    long code = 0;
    curl_easy_getinfo(transfer.handle(), CURLINFO_RESPONSE_CODE, &code);
    if (code != 0)
        what += "; the relay's reply code " + std::to_string(code) +
                (transcript.lastReply().empty() ? "" : ": " + transcript.lastReply());
    return what;
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
    const bool login = !username.isEmpty();

    CurlList recipients;
    appendToList(recipients, to.constData());
    CurlList headers;
    const QList<QByteArray> headerLines = mailHeaders(mail);
    for (const QByteArray& line : headerLines)
        appendToList(headers, line.constData());
    const CurlMime message = buildMessage(transfer.handle(), mail);
    SmtpTranscript transcript;

    transfer.set(CURLOPT_URL, url.constData());
    if (login) {
        transfer.set(CURLOPT_USERNAME, username.constData());
        transfer.set(CURLOPT_PASSWORD, password.constData());
    }
    transfer.set(CURLOPT_MAIL_FROM, from.constData());
    transfer.set(CURLOPT_MAIL_RCPT, recipients.get());
    transfer.set(CURLOPT_HTTPHEADER, headers.get());
    transfer.set(CURLOPT_MIMEPOST, message.get());
    transfer.set(CURLOPT_CONNECTTIMEOUT_MS, long(timeouts_.connect.count()));
    transfer.set(CURLOPT_SERVER_RESPONSE_TIMEOUT, long(timeouts_.serverResponse.count()));
    // The conversation goes to the transcript, never to standard error.
    transfer.set(CURLOPT_DEBUGFUNCTION, &SmtpTranscript::fromCurl);
    transfer.set(CURLOPT_DEBUGDATA, &transcript);
    transfer.set(CURLOPT_VERBOSE, 1L);

    QElapsedTimer clock;
    clock.start();
    // One try under the given TLS rule; all tries share the one time limit.
    const auto attempt = [&](curl_usessl tls, bool verify) {
        transcript.clear();
        transfer.set(CURLOPT_USE_SSL, long(tls));
        transfer.set(CURLOPT_SSL_VERIFYPEER, verify ? 1L : 0L);
        transfer.set(CURLOPT_SSL_VERIFYHOST, verify ? 2L : 0L);
        transfer.set(CURLOPT_TIMEOUT_MS,
                     std::max(qint64(1), qint64(timeouts_.wholeSend.count()) - clock.elapsed()));
        return transfer.attempt();
    };
    // TLS is asked for first, so that a server offering STARTTLS never gets
    // the mail in plain text, not even one that then refuses its own offer.
    CURLcode result = attempt(CURLUSESSL_ALL, true);
    if (result != CURLE_OK && !login) {
        if (result == CURLE_USE_SSL_FAILED && !transcript.sent("STARTTLS")) {
            result = attempt(CURLUSESSL_NONE, true);
        } else if (result == CURLE_PEER_FAILED_VERIFICATION && !verifyRelayCertificate_) {
            if (log_)
                log_(QString::fromLatin1(kUncheckedCertificate)
                         .arg(QString::fromStdString(transfer.describe(result))));
            result = attempt(CURLUSESSL_ALL, false);
        }
    }
    if (result != CURLE_OK)
        throw DeliveryError(failureText(transfer, result, transcript), 0,
                            transcript.failedStage(result));
}
