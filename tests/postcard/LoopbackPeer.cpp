#include "tests/postcard/LoopbackPeer.h"

#include "tests/support/TestSupport.h"

#include <QElapsedTimer>

namespace {
constexpr int kStartTimeoutMs = 15000;
}

ScriptPeer::ScriptPeer(const QString& script, const QStringList& arguments) {
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(QStringLiteral("/usr/bin/python3"),
                   QStringList{sourceDir() + "/tests/postcard/" + script} + arguments);
    if (!process_.waitForStarted(kStartTimeoutMs)) {
        error_ = process_.errorString();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    while (!process_.canReadLine() && clock.elapsed() < kStartTimeoutMs &&
           process_.state() == QProcess::Running)
        process_.waitForReadyRead(100);
    const QByteArray line = process_.readLine().trimmed();
    if (line.startsWith("PORT "))
        port_ = line.mid(5).toInt();
    else
        error_ = QString::fromUtf8(process_.readAllStandardError());
}

ScriptPeer::~ScriptPeer() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

std::unique_ptr<ScriptPeer> startPostcardService(const QString& reply, int status,
                                                 const QString& logFile) {
    QStringList arguments{"--reply", reply, "--status", QString::number(status)};
    if (!logFile.isEmpty())
        arguments << "--log" << logFile;
    return std::make_unique<ScriptPeer>(QStringLiteral("postcard_service.py"), arguments);
}

std::unique_ptr<ScriptPeer> startSmtpServer(const QString& folder, bool requireAuth,
                                            bool refuseRecipients) {
    QStringList arguments{"--folder", folder};
    if (requireAuth)
        arguments << "--require-auth";
    if (refuseRecipients)
        arguments << "--refuse-recipients";
    return std::make_unique<ScriptPeer>(QStringLiteral("smtp_sink.py"), arguments);
}

SilentServer::SilentServer() {
    server_.listen(QHostAddress::LocalHost, 0);
}

int closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return int(probe.serverPort());
}

void bypassProxies() {
    for (const char* name :
         {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
}
