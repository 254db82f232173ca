// The request URL for any texts a child or parent can type: plain ASCII,
// five keys in order, and each value decodes back to exactly what was typed.
// The recipient's test lets nothing through without an "@" or with a line
// break in it.
#include "postcardprotocol/PostcardRequest.h"
#include "tests/fuzz/FuzzCheck.h"

#include <QByteArray>
#include <QList>
#include <cstddef>
#include <cstdint>

namespace {

// Input: mailFrom, mailTo, msg, serial and the placeholder, NUL-separated.
QList<QString> fieldsOf(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QString> fields;
    for (const QByteArray& piece : bytes.split('\0'))
        fields.append(QString::fromUtf8(piece));
    while (fields.size() < 5)
        fields.append(QString());
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QString> f = fieldsOf(data, size);
    const QString& mailFrom = f[0];
    const QString& mailTo = f[1];
    const QString& msg = f[2];
    const QString& serial = f[3];
    const QString& placeholder = f[4];

    const QString url =
        buildServiceUrl(QStringLiteral("postcards.example.net"), mailFrom, mailTo, msg, serial);
    const QString head = QStringLiteral("http://postcards.example.net/qzsmtp.asp?");
    FUZZ_CHECK(url.startsWith(head));
    for (const QChar c : url)
        FUZZ_CHECK(c.unicode() > 0x20 && c.unicode() < 0x7f);

    const QList<QByteArray> pairs = url.mid(head.size()).toLatin1().split('&');
    const char* keys[] = {"ID", "mailFrom", "mailTo", "msg", "serial"};
    const QString values[] = {QStringLiteral("QZ"), mailFrom, mailTo, msg, serial};
    FUZZ_CHECK(pairs.size() == 5);
    for (int i = 0; i < 5; ++i) {
        const qsizetype equals = pairs[i].indexOf('=');
        FUZZ_CHECK(equals > 0 && pairs[i].left(equals) == keys[i]);
        FUZZ_CHECK(QString::fromUtf8(QByteArray::fromPercentEncoding(pairs[i].mid(equals + 1))) ==
                   values[i]);
    }

    if (passesAddressTest(mailTo, placeholder)) {
        FUZZ_CHECK(mailTo.contains(u'@') && mailTo != placeholder);
        FUZZ_CHECK(!mailTo.contains(u'\r') && !mailTo.contains(u'\n'));
    }
    return 0;
}
