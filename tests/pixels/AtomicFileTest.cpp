// What a save promised before it became atomic: a write-protected file is
// left alone and a symbolic link is written through. Run as an ordinary
// user, since root writes whatever it likes.
#include "pixels/AtomicFile.h"

#include "pixels/FileError.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writePlain(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(AtomicFile, AWriteProtectedFileIsRefusedAndKept) {
    if (!runsAsOrdinaryUser())
        return;
    QTemporaryDir dir;
    const QString path = dir.filePath("MyPicture.bmp");
    writePlain(path, "old");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
    try {
        writeFileAtomically(path, "new");
        ADD_FAILURE() << "the protected file was replaced";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), path);
        EXPECT_EQ(e.reason(), QString::fromLocal8Bit(std::strerror(EACCES)));
    }
    EXPECT_EQ(contentsOf(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"MyPicture.bmp"});
}

TEST(AtomicFile, ASymbolicLinkIsWrittenThroughToItsTarget) {
    if (!runsAsOrdinaryUser())
        return;
    QTemporaryDir dir, elsewhere;
    const QString target = elsewhere.filePath("kept.bmp"), link = dir.filePath("MyPicture.bmp");
    writePlain(target, "old");
    ASSERT_TRUE(QFile::link(target, link));
    writeFileAtomically(link, "new");
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), target) << "the link became a plain file";
    EXPECT_EQ(contentsOf(target), "new");
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"kept.bmp"});
}

} // namespace
