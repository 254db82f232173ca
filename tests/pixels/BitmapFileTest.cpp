#include "pixels/BitmapFile.h"

#include "tests/support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QImage sample() {
    return asciiImage({"r.#", "g.b", "###"}, {"r=#ff0000", "g=#1e1e1e", "b=#55382f"});
}

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(BitmapFile, WritesA24BitBitmapThatReadsBackExactly) {
    QTemporaryDir dir;
    const QString path = dir.filePath("pic.bmp");
    writeBitmapFile(sample(), path);

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);
    EXPECT_EQ(loadPicture(path), sample());
}

TEST(BitmapFile, ReplacesAnExistingFileAndLeavesNoTemporaryBehind) {
    QTemporaryDir dir;
    const QString path = dir.filePath("pic.bmp");
    writeRaw(path, "old");
    writeBitmapFile(sample(), path);
    EXPECT_EQ(loadPicture(path), sample());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"pic.bmp"});
}

TEST(BitmapFile, AFolderAsTheNameIsRefusedWithAReason) {
    QTemporaryDir dir;
    try {
        writeBitmapFile(sample(), dir.path());
        FAIL() << "a folder was accepted as a file name";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), dir.path());
        EXPECT_FALSE(e.reason().isEmpty());
    }
}

TEST(BitmapFile, DamagedOrMissingPicturesAreRefused) {
    QTemporaryDir dir;
    const QString good = dir.filePath("good.bmp");
    writeBitmapFile(QImage(40, 30, QImage::Format_RGB32), good);
    QFile f(good);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray whole = f.readAll();

    writeRaw(dir.filePath("cut.bmp"), whole.left(whole.size() - 100));
    writeRaw(dir.filePath("empty.bmp"), {});
    writeRaw(dir.filePath("text.bmp"), "this is not a picture at all\n");
    QByteArray huge = whole;
    qToLittleEndian<qint32>(100000, huge.data() + 18);
    qToLittleEndian<qint32>(100000, huge.data() + 22);
    writeRaw(dir.filePath("huge.bmp"), huge);

    for (const char* name : {"cut.bmp", "empty.bmp", "text.bmp", "huge.bmp", "missing.bmp"})
        EXPECT_THROW(loadPicture(dir.filePath(name)), FileError) << name;
}
