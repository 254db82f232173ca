#include "app/SingleWindow.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QThread>

namespace {

constexpr char kRaiseRequest[] = "raise\n";
constexpr int kAnswerWaitMs = 2000;

QString serverNameFor(const QString& folder) {
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(folder).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("vellumix-") + QString::fromLatin1(hash.toHex().left(20));
}

} // namespace

SingleWindow::SingleWindow(const QString& workingFolder)
    : serverName_(serverNameFor(workingFolder)),
      lock_(workingFolder + QStringLiteral("vellumix.lock")) {
    // Qt then tests whether the program that wrote the lock still runs.
    lock_.setStaleLockTime(0);
}

bool SingleWindow::claim(std::function<void()> raise) {
    if (!lock_.tryLock(0)) {
        if (lock_.error() != QLockFile::LockFailedError)
            return true; // the lock cannot be written: better a window than none
        askTheFirstToShow();
        return false;
    }
    raise_ = std::move(raise);
    // A socket left by a killed program would stop listen().
    QLocalServer::removeServer(serverName_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_.nextPendingConnection()) {
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (peer->readAll().contains('\n') && raise_)
                    raise_();
                peer->disconnectFromServer();
            });
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
    server_.listen(serverName_);
    return true;
}

// The first program may be starting still and not yet listening: try for a
// while. Whether or not it answers, its window is there or about to be.
void SingleWindow::askTheFirstToShow() const {
    for (int attempt = 0; attempt < 20; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(kAnswerWaitMs / 20)) {
            socket.write(kRaiseRequest);
            socket.waitForBytesWritten(kAnswerWaitMs);
            socket.waitForDisconnected(kAnswerWaitMs);
            return;
        }
        QThread::msleep(100);
    }
}
