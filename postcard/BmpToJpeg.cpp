#include "postcard/BmpToJpeg.h"

#include "pixels/BitmapFile.h"
#include "pixels/FileError.h"
#include "pixels/TurboJpegHandles.h"

#include <QtEndian>

namespace {

// RGB32 pixels lie in memory as B, G, R, X on little-endian machines.
constexpr int kRgb32PixelFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? int(TJPF_BGRX) : int(TJPF_XRGB);

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
    writeFileAtomically(destination, QByteArrayView(reinterpret_cast<const char*>(owned.get()),
                                                    qsizetype(jpegSize)));
}
