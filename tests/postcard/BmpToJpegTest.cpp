// The bitmap-to-JPEG conversion of the postcard's picture.
#include "postcard/BmpToJpeg.h"

#include "pixels/BitmapFile.h"
#include "pixels/FileError.h"
#include "tests/postcard/PictureCompare.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class BmpToJpegTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.path() + "/" + name; }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(BmpToJpegTest, TheJpegShowsThePictureAtItsSize) {
    const QImage picture = samplePicture(301, 207); // odd sizes exercise the padding
    writeBitmapFile(picture, path("in.bmp"));
    BmpToJpeg(path("in.bmp"), path("out.jpg"), 80);

    QImageReader reader(path("out.jpg"));
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage decoded = reader.read();
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.size(), picture.size());
    EXPECT_LT(meanAbsoluteDifference(decoded, picture), 4.0);
}

TEST_F(BmpToJpegTest, ColoursKeepTheirChannels) {
    // Red must stay red: a swapped byte order would turn it blue.
    QImage red(32, 32, QImage::Format_RGB32);
    red.fill(qRgb(220, 20, 30));
    writeBitmapFile(red, path("red.bmp"));
    BmpToJpeg(path("red.bmp"), path("red.jpg"), 80);
    const QRgb centre = QImage(path("red.jpg")).pixel(16, 16);
    EXPECT_NEAR(qRed(centre), 220, 6);
    EXPECT_NEAR(qGreen(centre), 20, 6);
    EXPECT_NEAR(qBlue(centre), 30, 6);
}

TEST_F(BmpToJpegTest, QualityChangesTheSize) {
    writeBitmapFile(samplePicture(200, 150), path("in.bmp"));
    BmpToJpeg(path("in.bmp"), path("low.jpg"), 10);
    BmpToJpeg(path("in.bmp"), path("high.jpg"), 95);
    EXPECT_LT(QFile(path("low.jpg")).size(), QFile(path("high.jpg")).size());
}

TEST_F(BmpToJpegTest, MissingSourceFailsAndWritesNothing) {
    EXPECT_THROW(BmpToJpeg(path("absent.bmp"), path("out.jpg"), 80), FileError);
    EXPECT_FALSE(QFile::exists(path("out.jpg")));
}

TEST_F(BmpToJpegTest, DamagedSourcesFailAndLeaveTheEarlierJpeg) {
    writeBitmapFile(samplePicture(40, 30), path("good.bmp"));
    const QByteArray bitmap = readFile(path("good.bmp"));
    writeFile(path("cut.bmp"), bitmap.left(bitmap.size() / 2));
    writeFile(path("text.bmp"), "this is not a picture\n");
    writeFile(path("empty.bmp"), QByteArray());
    writeFile(path("out.jpg"), "earlier postcard");

    for (const char* name : {"cut.bmp", "text.bmp", "empty.bmp"}) {
        EXPECT_THROW(BmpToJpeg(path(name), path("out.jpg"), 80), FileError) << name;
        EXPECT_EQ(readFile(path("out.jpg")), "earlier postcard") << name;
    }
}

TEST_F(BmpToJpegTest, AFolderInTheWayOfTheDestinationFails) {
    writeBitmapFile(samplePicture(40, 30), path("in.bmp"));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("out.jpg"));
    EXPECT_THROW(BmpToJpeg(path("in.bmp"), path("out.jpg"), 80), FileError);
}
