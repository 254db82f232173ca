#pragma once
// Real servers on 127.0.0.1 for the postcard tests: Python scripts started
// for a test and stopped with it, and a listener that never answers.
#include "tests/support/ChildProcess.h"

#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A helper script from this folder, run with the system's Python (which has
// the Debian packages). port() is 0 when it did not start; error() says why.
class ScriptPeer {
public:
    ScriptPeer(const QString& script, const QStringList& arguments);

    int port() const { return port_; }
    QString error() const { return error_; }

private:
    ChildProcess process_;
    int port_ = 0;
    QString error_;
};

// A certificate authority made once for the test run, the file a client is
// told to trust, and server certificates it signed: one for 127.0.0.1 and
// localhost, one naming another host only. Made with the openssl tool.
struct TestCertificates {
    QString caFile;
    QString loopbackCert;
    QString loopbackKey;
    QString otherHostCert;
    QString otherHostKey;
};
const TestCertificates& testCertificates();

// A stand-in postcard service answering every request with reply; over
// HTTPS when given a certificate and its key.
std::unique_ptr<ScriptPeer> startPostcardService(const QString& reply, int status = 200,
                                                 const QString& logFile = {},
                                                 const QString& certificate = {},
                                                 const QString& key = {});

// OfferedButRefused: offered in the greeting, refused when asked for.
enum class StartTls { Offered, OfferedForAnotherHost, OfferedButRefused, NotOffered };

// An SMTP server storing what it receives in folder, and noting each AUTH
// command in folder/auth.log. It offers STARTTLS with a certificate of
// testCertificates() unless told not to.
std::unique_ptr<ScriptPeer> startSmtpServer(const QString& folder, bool requireAuth = true,
                                            bool refuseRecipients = false,
                                            StartTls startTls = StartTls::Offered);

// Takes connections and says nothing: the kernel completes the handshake,
// nobody ever reads or writes.
class SilentServer {
public:
    SilentServer();
    int port() const { return int(server_.serverPort()); }

private:
    QTcpServer server_;
};

// How a call run beside a name server that never answers came out.
struct SilentLookUpOutcome {
    QString refused; // why the machine would not let the test make one; empty when it ran
    bool threw = false;
    QString what;
};

// Runs call in a child process whose network holds only loopback and whose
// name look-ups go to a name server there that never answers.
SilentLookUpOutcome runBesideSilentNameServer(const std::function<void()>& call);

// Whether a client's failure is libcurl's own time-out, which, where libcurl
// counts, fired within limitMs: the time-out given, not a longer default, nor
// a refusal or the resolver giving up.
::testing::AssertionResult timedOutWithin(const QString& what, int limitMs);

// Keeps proxy settings of the environment away from loopback requests.
void bypassProxies();
