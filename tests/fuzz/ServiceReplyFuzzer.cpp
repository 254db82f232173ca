// The postcard service's reply, whatever comes back: the test and the split
// agree, and an accepted reply's fields are its first four "^" pieces.
#include "postcardprotocol/DeliveryError.h"
#include "postcardprotocol/PostcardRequest.h"
#include "tests/fuzz/FuzzCheck.h"

#include <QByteArray>
#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString reply = QString::fromUtf8(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    const bool rejected = isRejectedReply(reply);
    try {
        const ServiceReply fields = parseServiceReply(reply);
        FUZZ_CHECK(!rejected);
        const QString rebuilt = fields.server + u'^' + fields.username + u'^' + fields.password +
                                u'^' + fields.messageText;
        FUZZ_CHECK(reply == rebuilt || reply.startsWith(rebuilt + u'^'));
        FUZZ_CHECK(!fields.server.contains(u'^') && !fields.messageText.contains(u'^'));
    } catch (const DeliveryError& e) {
        FUZZ_CHECK((e.number() == kReplyRejectedError) == rejected);
        // Else too few fields, or a control character in the first four.
        const QString firstFour = reply.section(u'^', 0, 3);
        FUZZ_CHECK(rejected || reply.count(u'^') < 3 ||
                   std::any_of(firstFour.begin(), firstFour.end(),
                               [](QChar c) { return c.category() == QChar::Other_Control; }));
    }
    return 0;
}
