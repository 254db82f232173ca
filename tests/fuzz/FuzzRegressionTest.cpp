// Inputs the fuzzers found to break the program, kept as ordinary cases so
// that every build, sanitized or not, tries them again.
#include "pixels/BitmapFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// A bitmap file header and info header with the given fields, then a few
// bytes of pixels.
QByteArray bitmapHeader(qint32 width, qint32 height, quint16 bitsPerPixel) {
    QByteArray bytes(54 + 40, '\xf6');
    auto* b = reinterpret_cast<uchar*>(bytes.data());
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size()), b + 2);
    qToLittleEndian<quint32>(54, b + 10);
    qToLittleEndian<quint32>(40, b + 14);
    qToLittleEndian<qint32>(width, b + 18);
    qToLittleEndian<qint32>(height, b + 22);
    qToLittleEndian<quint16>(1, b + 26);
    qToLittleEndian<quint16>(bitsPerPixel, b + 28);
    qToLittleEndian<quint32>(0, b + 30);
    return bytes;
}

} // namespace

// Width, height and depth near their largest multiplied past 64 bits in the
// size check (undefined behaviour, and a wrapped product could pass).
TEST(PictureFileRegression, AHeaderWhoseSizeOverflowsIsRefusedAsTooLarge) {
    QTemporaryDir folder;
    const struct {
        qint32 width, height;
        quint16 bits;
    } headers[] = {{0x7fffffff, 0x7fffffff, 0xffff},
                   {0x7fffffff, -0x7fffffff, 0xffff},
                   {0x0c090000, 0x7fffffff, 0xf6f6},
                   {1, 0x7fffffff, 0xffff}};
    for (const auto& h : headers) {
        const QString path = folder.filePath("page.bmp");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bitmapHeader(h.width, h.height, h.bits));
        file.close();
        try {
            loadPicture(path);
            ADD_FAILURE() << "accepted " << h.width << " x " << h.height << " x " << h.bits;
        } catch (const FileError& e) {
            EXPECT_EQ(e.reason().toStdString(), "the picture is too large")
                << h.width << " x " << h.height;
        }
    }
}
