#pragma once
// Real servers on 127.0.0.1 for the postcard tests: Python scripts started
// for a test and stopped with it, and a listener that never answers.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <memory>

// A helper script from this folder, run with the system's Python (which has
// the Debian packages). port() is 0 when it did not start; error() says why.
class ScriptPeer {
public:
    ScriptPeer(const QString& script, const QStringList& arguments);
    ~ScriptPeer();
    ScriptPeer(const ScriptPeer&) = delete;
    ScriptPeer& operator=(const ScriptPeer&) = delete;

    int port() const { return port_; }
    QString error() const { return error_; }

private:
    QProcess process_;
    int port_ = 0;
    QString error_;
};

// A stand-in postcard service answering every request with reply.
std::unique_ptr<ScriptPeer> startPostcardService(const QString& reply, int status = 200,
                                                 const QString& logFile = {});

// An SMTP server storing what it receives in folder.
std::unique_ptr<ScriptPeer> startSmtpServer(const QString& folder, bool requireAuth = true,
                                            bool refuseRecipients = false);

// Takes connections and says nothing: the kernel completes the handshake,
// nobody ever reads or writes.
class SilentServer {
public:
    SilentServer();
    int port() const { return int(server_.serverPort()); }

private:
    QTcpServer server_;
};

// A loopback port with nothing listening on it.
int closedPort();

// Keeps proxy settings of the environment away from loopback requests.
void bypassProxies();
