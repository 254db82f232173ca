#pragma once
// Debian's Postfix as the family's relay, set up by the repository's own
// script, in a private instance on 127.0.0.1 at a free port: its own
// configuration, queue and data folders (the last over /var/lib/postfix in a
// mount namespace of its own, so the system's Postfix is left alone), STARTTLS
// with a self-signed certificate made here, as Debian's stock relay has one,
// and mail to kRecipient delivered into a Maildir. Nothing it takes leaves the
// machine: every other destination is an error.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class TestMailRelay {
public:
    static constexpr char kRecipient[] = "gran@example.org";

    TestMailRelay();
    ~TestMailRelay();
    TestMailRelay(const TestMailRelay&) = delete;
    TestMailRelay& operator=(const TestMailRelay&) = delete;

    // False where the machine would not run it; why() then says why, for a skip.
    bool ok() const { return why_.isEmpty(); }
    QString why() const { return why_; }
    int port() const { return port_; }

    // The files delivered to kRecipient's Maildir, waiting (bounded) for count.
    QStringList waitForMails(int count, int timeoutMs) const;
    // The end of Postfix's log, to explain a failure.
    QString logTail() const;

private:
    QString path(const QString& name) const { return dir_.filePath(name); }
    bool configure();
    bool waitUntilGreeting();

    QTemporaryDir dir_;
    QProcess master_;
    QString why_;
    int port_ = 0;
};
