#include "pixels/AtomicFile.h"

#include "pixels/FileError.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <QCoreApplication>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// The rename is only durable once the folder entry itself is on disk.
void syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#else
void syncFolderOf(const QString&) {}
#endif

// The file a write to path lands in: a symbolic link is written through to
// its target, so the link stays a link.
QFileInfo realTarget(const QString& path) {
    const QFileInfo given(path);
    if (!given.isSymLink())
        return given;
    return QFileInfo(given.exists() ? given.canonicalFilePath() : given.symLinkTarget());
}

} // namespace

bool isUnfinishedTemporary(const QString& fileName) {
    return fileName.startsWith(QLatin1String(kTemporaryPrefix));
}

void writeFileAtomically(const QString& path, QByteArrayView bytes) {
    const QFileInfo target = realTarget(path);
    //: A reason, shown after "Reason:" or a file's path and a colon.
    if (target.isDir())
        throw FileError(
            path, QCoreApplication::translate("FileError", "this is a folder, not a file name"));
#ifdef Q_OS_UNIX
    // A rename would replace even a write-protected file; keep it as the
    // user protected it.
    if (target.exists() &&
        ::access(QFile::encodeName(target.absoluteFilePath()).constData(), W_OK) != 0)
        throw FileError(path, QString::fromLocal8Bit(std::strerror(errno)));
#endif
    QTemporaryFile file(target.absolutePath() + QLatin1Char('/') + QLatin1String(kTemporaryPrefix) +
                        target.fileName() + QStringLiteral(".XXXXXX"));
    if (!file.open())
        throw FileError(path, file.errorString());
    // A short write on a full disk must not replace the old file, so the
    // bytes are counted and synced before the rename.
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        //: A reason, shown after "Reason:" or a file's path and a colon.
        throw FileError(path, reason.isEmpty()
                                  ? QCoreApplication::translate("FileError", "the disk is full")
                                  : reason);
    }
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        throw FileError(path, QString::fromLocal8Bit(std::strerror(errno)));
#endif
    // A replaced file keeps its permissions; a new one gets the usual ones
    // rather than the temporary file's private ones.
    file.setPermissions(target.exists() ? target.permissions()
                                        : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadGroup | QFileDevice::ReadOther);
    file.close();
    // rename() replaces the target in one step; QFile::rename would refuse.
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        throw FileError(path, QString::fromLocal8Bit(std::strerror(errno)));
    file.setAutoRemove(false);
    syncFolderOf(target.absoluteFilePath());
}
