#include "postcard/BmpToJpeg.h"

#include "colouring/pixels/BitmapFile.h"
#include "colouring/pixels/FileError.h"

#include <QSaveFile>
#include <QtEndian>
#include <memory>
#include <turbojpeg.h>

namespace {

struct TjHandleDeleter {
    void operator()(void* handle) const { tjDestroy(handle); }
};
struct TjBufferDeleter {
    void operator()(unsigned char* buffer) const { tjFree(buffer); }
};
using TjHandle = std::unique_ptr<void, TjHandleDeleter>;
using TjBuffer = std::unique_ptr<unsigned char, TjBufferDeleter>;

// RGB32 pixels lie in memory as B, G, R, X on little-endian machines.
constexpr int kRgb32PixelFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? int(TJPF_BGRX) : int(TJPF_XRGB);

void writeAtomically(const QString& path, const unsigned char* data, unsigned long size) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(path, file.errorString());
    const qint64 length = qint64(size);
    if (file.write(reinterpret_cast<const char*>(data), length) != length || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw FileError(path, reason.isEmpty() ? QStringLiteral("the disk is full") : reason);
    }
    if (!file.commit())
        throw FileError(path, file.errorString());
}

} // namespace

void BmpToJpeg(const QString& source, const QString& destination, int quality) {
    const QImage picture = loadPicture(source); // RGB32

    TjHandle compressor(tjInitCompress());
    if (!compressor)
        throw FileError(destination, QString::fromLocal8Bit(tjGetErrorStr2(nullptr)));
    unsigned char* jpeg = nullptr;
    unsigned long jpegSize = 0;
    const int result = tjCompress2(compressor.get(), picture.constBits(), picture.width(),
                                   int(picture.bytesPerLine()), picture.height(), kRgb32PixelFormat,
                                   &jpeg, &jpegSize, TJSAMP_420, quality, 0);
    const TjBuffer owned(jpeg);
    if (result != 0 || !jpeg)
        throw FileError(destination,
                        QStringLiteral("the picture could not be compressed (%1)")
                            .arg(QString::fromLocal8Bit(tjGetErrorStr2(compressor.get()))));
    writeAtomically(destination, owned.get(), jpegSize);
}
