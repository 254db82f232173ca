#include "pixels/BitmapFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

namespace {

// Qt's readers decode a truncated bitmap or JPEG without complaint, leaving
// the missing part blank; a page must never come back half-drawn, so the
// file's own headers are checked against its length first.
QString damageIn(const QByteArray& data) {
    if (data.startsWith("BM")) {
        if (data.size() < 54)
            //: A reason, shown after "Reason:" or a file's path and a colon.
            return QCoreApplication::translate("FileError", "the bitmap header is cut short");
        const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
        const quint32 pixelOffset = qFromLittleEndian<quint32>(bytes + 10);
        const qint64 width = qFromLittleEndian<qint32>(bytes + 18);
        const qint64 height = qFromLittleEndian<qint32>(bytes + 22);
        const int bitsPerPixel = qFromLittleEndian<quint16>(bytes + 28);
        const quint32 compression = qFromLittleEndian<quint32>(bytes + 30);
        if (width <= 0 || height == 0 || bitsPerPixel == 0)
            //: A reason, shown after "Reason:" or a file's path and a colon.
            return QCoreApplication::translate("FileError", "the bitmap header is not valid");
        // Compared a factor at a time: the header's width, height and depth
        // multiplied together could overflow even 64 bits.
        const qint64 limitBits = qint64(kPictureAllocationLimitMb) * 1024 * 1024 * 8;
        if (width > limitBits / bitsPerPixel || qAbs(height) > limitBits / (width * bitsPerPixel))
            //: A reason, shown after "Reason:" or a file's path and a colon.
            return QCoreApplication::translate("FileError", "the picture is too large");
        const bool uncompressed = compression == 0 || compression == 3;
        const qint64 stride = (width * bitsPerPixel + 31) / 32 * 4;
        if (uncompressed && pixelOffset + stride * qAbs(height) > data.size())
            //: A reason, shown after "Reason:" or a file's path and a colon.
            return QCoreApplication::translate("FileError", "the file is cut short");
    } else if (data.startsWith("\xFF\xD8")) {
        if (!data.right(1024).contains("\xFF\xD9"))
            return QCoreApplication::translate("FileError", "the file is cut short");
    } else if (data.startsWith("\x89PNG")) {
        if (!data.right(64).contains("IEND"))
            return QCoreApplication::translate("FileError", "the file is cut short");
    }
    return {};
}

} // namespace

QImage loadPicture(const QString& path) {
    QFile file(path);
    if (!file.exists())
        //: A reason, shown after "Reason:" or a file's path and a colon.
        throw FileError(path, QCoreApplication::translate("FileError", "the file does not exist"));
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(path, file.errorString());
    if (file.size() > qint64(kPictureAllocationLimitMb) * 1024 * 1024)
        //: A reason, shown after "Reason:" or a file's path and a colon.
        throw FileError(path, QCoreApplication::translate("FileError", "the file is too large"));
    const QByteArray data = file.readAll();
    if (data.isEmpty())
        //: A reason, shown after "Reason:" or a file's path and a colon.
        throw FileError(path, QCoreApplication::translate("FileError", "the file is empty"));
    if (const QString damage = damageIn(data); !damage.isEmpty())
        throw FileError(path, damage);

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kPictureAllocationLimitMb);
    QImage image = reader.read();
    //: A reason, shown after "Reason:" or a file's path and a colon. %1 is the picture reader's own
    //: reason.
    if (image.isNull())
        throw FileError(
            path, QCoreApplication::translate("FileError", "it is not a readable picture (%1)")
                      .arg(reader.errorString()));
    return image.convertToFormat(QImage::Format_RGB32);
}

QByteArray encodeBitmap24(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes 24 bits a pixel for every image without a colour table.
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    return bytes;
}

void writeBitmapFile(const QImage& image, const QString& path) {
    const QByteArray bytes = encodeBitmap24(image);
    //: A reason, shown after "Reason:" or a file's path and a colon.
    if (bytes.isEmpty())
        throw FileError(
            path, QCoreApplication::translate("FileError", "the picture could not be encoded"));
    writeFileAtomically(path, bytes);
}
