#pragma once
// Debian's Postfix as the family's relay, set up by the repository's own
// script, in a private instance (its own configuration, queue and data
// folders, the last over /var/lib/postfix), with STARTTLS by a self-signed
// certificate made here, as Debian's stock relay has one, and mail to
// kRecipient delivered into a Maildir. Nothing it takes leaves the machine:
// every other destination is an error.
#include "tests/whole/PrivateDaemon.h"

class TestMailRelay : public PrivateDaemon {
public:
    static constexpr char kRecipient[] = "gran@example.org";

    TestMailRelay();

    // The files delivered to kRecipient's Maildir, waiting (bounded) for count.
    QStringList waitForMails(int count, int timeoutMs) const;

private:
    bool configure();
    bool greets() const;
};
