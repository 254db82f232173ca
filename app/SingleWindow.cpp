#include "app/SingleWindow.h"

#include "postcard/MailClient.h"
#include "postcard/PostcardConstants.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QMessageBox>
#include <QSysInfo>
#include <QThread>
#include <QWidget>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr char kRaiseRequest[] = "raise"; // then a space and the token, if any
constexpr char kShownAnswer[] = "shown\n";
constexpr int kAnswerWaitMs = 2000;
// The longest the first window may be busy and deaf to the socket: a
// postcard's delivery to the end of its timeouts, and a little more.
constexpr std::chrono::milliseconds kLongestBusy =
    kServiceTimeout + MailTimeouts{}.wholeSend + std::chrono::seconds(10);

// Where a socket's path must fit (sun_path, less its final zero).
constexpr int kLongestSocketPath = 107;

// A folder of the user's own that only they can enter, as the login sets it.
QString privateRuntimeFolder() {
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || info.ownerId() != ::geteuid())
        return {};
    return folder;
}

// Two spellings of one folder (a link, "..") must meet at one socket.
QString folderKey(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(
        (canonical.isEmpty() ? QDir::cleanPath(folder) : canonical).toUtf8(),
        QCryptographicHash::Sha1);
    return QString::fromLatin1(hash.toHex().left(20));
}

// The later start's token, which lets the first window take the focus.
QByteArray activationToken() {
    const QByteArray wayland = qgetenv("XDG_ACTIVATION_TOKEN");
    return wayland.isEmpty() ? qgetenv("DESKTOP_STARTUP_ID") : wayland;
}

// The first program answers from its event loop, which a page turn or a
// postcard's delivery holds for a while: silence on an open connection is
// waited out, lest a second window take the same pictures. Only a closed
// connection, or a silence longer than any such work, means nobody is there.
bool answered(QLocalSocket& socket) {
    QElapsedTimer waiting;
    waiting.start();
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAnswerWaitMs) &&
            (socket.state() != QLocalSocket::ConnectedState ||
             waiting.elapsed() > kLongestBusy.count()))
            return false;
    }
    return socket.readLine() == kShownAnswer;
}

bool askYesNo(const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Vellumix"), text,
                    QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

SingleWindow::SingleWindow(const QString& workingFolder)
    : folder_(workingFolder), lock_(workingFolder + QStringLiteral("vellumix.lock")) {
    // Qt then tests whether the program that wrote the lock still runs.
    lock_.setStaleLockTime(0);
    const QString name = QStringLiteral("vellumix-") + folderKey(workingFolder);
    const QString runtime = privateRuntimeFolder();
    // Without a private folder, Linux's abstract names need no path at all;
    // the user's number keeps them apart from other users'.
    abstractName_ = runtime.isEmpty();
    serverName_ = abstractName_ ? name + QLatin1Char('-') + QString::number(::geteuid())
                                : runtime + QLatin1Char('/') + name;
}

SingleWindow::Outcome SingleWindow::claim(std::function<void(const QByteArray&)> raise) {
    raise_ = std::move(raise);
    if (lock_.tryLock(0)) {
        listen();
        return Outcome::Open;
    }
    if (lock_.error() != QLockFile::LockFailedError)
        return Outcome::Open; // the lock cannot be written: better a window than none
    qint64 pid = 0;
    QString host, program;
    lock_.getLockInfo(&pid, &host, &program);
    if (QFileInfo(lock_.fileName()).ownerId() != ::geteuid()) {
        QMessageBox::warning(
            nullptr, QStringLiteral("Vellumix"),
            //: %1 is the path of the folder with the pictures.
            QCoreApplication::translate("SingleWindow",
                                        "The pictures in %1 are in use by another user.\n\n"
                                        "Vellumix cannot open them as well.")
                .arg(QDir::toNativeSeparators(QDir::cleanPath(folder_))));
        return Outcome::Declined;
    }
    const bool elsewhere = !host.isEmpty() && host != QSysInfo::machineHostName();
    if (!elsewhere && askTheFirstToShow())
        return Outcome::Shown;
    return takeOverIfWanted(elsewhere ? host : QString());
}

// A lock on another machine, or a holder that does not answer, may be left
// over from a crash or a pulled USB stick: the user decides.
SingleWindow::Outcome SingleWindow::takeOverIfWanted(const QString& host) {
    const QString folder = QDir::toNativeSeparators(QDir::cleanPath(folder_));
    const QString question =
        host.isEmpty()
            //: %1 is the path of the folder with the pictures.
            ? QCoreApplication::translate("SingleWindow",
                                          "Vellumix seems to be open already, with the pictures "
                                          "in %1.\n\nOpen it here anyway?")
                  .arg(folder)
            //: %1 is the other computer's name, %2 the path of the folder with the pictures.
            : QCoreApplication::translate("SingleWindow",
                                          "Vellumix seems to be open already on %1, with the "
                                          "pictures in %2.\n\nOpen it here anyway?")
                  .arg(host, folder);
    if (!askYesNo(question))
        return Outcome::Declined;
    // Qt's removal refuses while a live holder on this machine locks the
    // file; the user has chosen, so the file goes either way.
    if (!lock_.removeStaleLockFile())
        QFile::remove(lock_.fileName());
    if (lock_.tryLock(0))
        listen();
    return Outcome::Open;
}

void SingleWindow::listen() {
    if (abstractName_) {
        server_.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    } else {
        // A socket left by a killed program would stop listen().
        QLocalServer::removeServer(serverName_);
        server_.setSocketOptions(QLocalServer::UserAccessOption);
    }
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_.nextPendingConnection()) {
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (!peer->canReadLine())
                    return;
                const QByteArray line = peer->readLine().trimmed();
                if (line.startsWith(kRaiseRequest) && raise_)
                    raise_(line.mid(int(sizeof kRaiseRequest)));
                peer->write(kShownAnswer);
                peer->disconnectFromServer();
            });
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
    const bool tooLong = !abstractName_ && serverName_.toLocal8Bit().size() > kLongestSocketPath;
    if (tooLong || !server_.listen(serverName_))
        std::fprintf(stderr,
                     "Vellumix: cannot listen on %s (%s); a later start will not find this "
                     "window and will ask whether to open anyway.\n",
                     qPrintable(serverName_),
                     tooLong ? "the path is too long" : qPrintable(server_.errorString()));
}

// The first program may be starting still and not yet listening: try for a
// while, then wait for its answer that its window is in front.
bool SingleWindow::askTheFirstToShow() const {
    for (int attempt = 0; attempt < 20; ++attempt) {
        QLocalSocket socket;
        if (abstractName_)
            socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(kAnswerWaitMs / 20)) {
            socket.write(QByteArray(kRaiseRequest) + ' ' + activationToken() + '\n');
            socket.waitForBytesWritten(kAnswerWaitMs);
            return answered(socket);
        }
        QThread::msleep(100);
    }
    return false;
}

void bringToFront(QWidget* window, const QByteArray& token) {
    // Qt's Wayland plugin hands this to the compositor at the next
    // activation; on X11 Qt offers no public way to pass a startup id to an
    // already shown window, which is then raised as before.
    if (!token.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        qputenv("XDG_ACTIVATION_TOKEN", token);
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    // A modal dialog left under its window would make the window look frozen.
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = window;
    front->raise();
    front->activateWindow();
}
