#include "tests/faults/DamagedFiles.h"

#include "pixels/BitmapFile.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>
#include <sys/resource.h>

namespace {

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage sample(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(40, 120, 200));
    return image;
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xffffffffu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray pngChunk(const QByteArray& type, const QByteArray& data) {
    return bigEndian32(quint32(data.size())) + type + data + bigEndian32(crc32(type + data));
}

// The peak resident memory (VmHWM) in kilobytes, or -1 where unknown.
long peakKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

QByteArray pngOf(const QImage& image) {
    return encoded(image, "PNG");
}

QByteArray jpegOf(const QImage& image) {
    return encoded(image, "JPG");
}

QByteArray hugeBitmap(int width, int height) {
    QByteArray bytes = encodeBitmap24(sample(4, 4));
    auto* header = reinterpret_cast<uchar*>(bytes.data());
    qToLittleEndian<qint32>(width, header + 18);
    qToLittleEndian<qint32>(height, header + 22);
    return bytes + QByteArray(4096, '\x7f');
}

QByteArray hugePng(int width, int height) {
    const QByteArray whole = pngOf(sample(4, 4));
    // The signature and the IHDR chunk come first; rewrite the chunk's
    // width and height and give it the checksum that matches.
    QByteArray header = whole.mid(8 + 8, 13);
    qToBigEndian<quint32>(quint32(width), header.data());
    qToBigEndian<quint32>(quint32(height), header.data() + 4);
    return whole.left(8) + pngChunk("IHDR", header) + whole.mid(8 + 25);
}

QByteArray oneBitPng(int width, int height) {
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(quint32(width), header.data());
    qToBigEndian<quint32>(quint32(height), header.data() + 4);
    header[8] = 1; // bits a pixel, grey
    // Each row: filter type 0, then the pixels, all black.
    const QByteArray rows(qsizetype(height) * (1 + (width + 7) / 8), '\0');
    const QByteArray zlibStream = qCompress(rows, 9).mid(4); // without Qt's length prefix
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) +
           pngChunk("IDAT", zlibStream) + pngChunk("IEND", {});
}

QByteArray hugeJpeg(int width, int height) {
    QByteArray bytes = jpegOf(sample(8, 8));
    // Baseline frame header: marker, length, precision, height, width.
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    if (frame >= 0) {
        qToBigEndian<quint16>(quint16(height), bytes.data() + frame + 5);
        qToBigEndian<quint16>(quint16(width), bytes.data() + frame + 7);
    }
    return bytes;
}

std::vector<Damage> pageDamages() {
    return {
        {"CutInHalf", [](const QByteArray& whole) { return whole.left(whole.size() / 2); }},
        {"LastByteMissing", [](const QByteArray& whole) { return whole.chopped(1); }},
        {"HeaderCutShort", [](const QByteArray& whole) { return whole.left(30); }},
        {"Empty", [](const QByteArray&) { return QByteArray(); }},
        {"ReallyText",
         [](const QByteArray&) { return QByteArray("Page 1: a cat in a basket.\r\n"); }},
        {"TextNamedLikeABitmap", [](const QByteArray&) { return QByteArray("BM is my name\n"); }},
        {"HundredByHundred", [](const QByteArray&) { return encodeBitmap24(sample(100, 100)); }},
        {"WiderThanTheCanvas", [](const QByteArray&) { return encodeBitmap24(sample(800, 393)); }},
        {"HeaderClaimsHundredThousandSquare",
         [](const QByteArray&) { return hugeBitmap(100000, 100000); }},
        {"HeaderClaimsHundredThousandSquareTopDown",
         [](const QByteArray&) { return hugeBitmap(100000, -100000); }},
    };
}

std::vector<Damage> artworkDamages() {
    return {
        {"CutInHalf", [](const QByteArray& whole) { return whole.left(whole.size() / 2); }},
        {"TruncatedJpeg",
         [](const QByteArray& whole) {
             const QByteArray jpeg = jpegOf(QImage::fromData(whole));
             return jpeg.left(jpeg.size() * 2 / 3);
         }},
        {"TruncatedPng",
         [](const QByteArray& whole) {
             const QByteArray png = pngOf(QImage::fromData(whole));
             return png.left(png.size() - 100);
         }},
        {"Empty", [](const QByteArray&) { return QByteArray(); }},
        {"ReallyText", [](const QByteArray&) { return QByteArray("<html>Not found</html>\n"); }},
        {"BitmapClaimsHundredThousandSquare",
         [](const QByteArray&) { return hugeBitmap(100000, 100000); }},
        {"PngClaimsHundredThousandSquare",
         [](const QByteArray&) { return hugePng(100000, 100000); }},
        {"JpegClaimsLargestFrame", [](const QByteArray&) { return hugeJpeg(65000, 65000); }},
        {"SvgClaimsHundredThousandSquare",
         [](const QByteArray&) {
             return QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100000\" "
                               "height=\"100000\"><rect width=\"100%\" height=\"100%\" "
                               "fill=\"red\"/></svg>\n");
         }},
        {"PixmapClaimsHundredThousandSquare",
         [](const QByteArray&) {
             return QByteArray("P6\n100000 100000\n255\n") + QByteArray(4096, '\x7f');
         }},
        {"XpmClaimsHundredThousandSquare",
         [](const QByteArray&) {
             return QByteArray("/* XPM */\nstatic char *p[] = {\n\"100000 100000 1 1\",\n"
                               "\"a c #ff0000\",\n\"aaaa\"};\n");
         }},
        {"GifClaimsLargestScreen",
         [](const QByteArray&) {
             // "GIF89a", a 65535 x 65535 screen, one image as large, a
             // scrap of pixel data and the trailer.
             return QByteArray::fromHex("474946383961"
                                        "ffffffff000000"
                                        "2c00000000ffffffff00"
                                        "0202440100"
                                        "3b");
         }},
    };
}

bool overwriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

PeakMemory::PeakMemory() {
    // "5" resets the peak to the present size (Linux).
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    startKb_ = peakKb();
}

double PeakMemory::growthMb() const {
    return double(peakKb() - startKb_) / 1024.0;
}
