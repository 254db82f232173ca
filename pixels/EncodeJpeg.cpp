#include "pixels/EncodeJpeg.h"

#include "pixels/FileError.h"
#include "pixels/TurboJpegHandles.h"

#include <QtEndian>

namespace {

// RGB32 pixels lie in memory as B, G, R, X on little-endian machines.
constexpr int kRgb32PixelFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? int(TJPF_BGRX) : int(TJPF_XRGB);

} // namespace

QByteArray encodeJpeg(const QImage& image, const JpegSettings& settings, const QString& file) {
    const bool rgb32 = image.format() == QImage::Format_RGB32;
    const QImage pixels = rgb32 || image.format() == QImage::Format_RGB888
                              ? image
                              : image.convertToFormat(QImage::Format_RGB888);
    const TjHandle compressor(tjInitCompress());
    if (!compressor)
        throw FileError(file, QString::fromLocal8Bit(tjGetErrorStr2(nullptr)));
    unsigned char* jpeg = nullptr;
    unsigned long jpegSize = 0;
    const int result = tjCompress2(compressor.get(), pixels.constBits(), pixels.width(),
                                   int(pixels.bytesPerLine()), pixels.height(),
                                   rgb32 ? kRgb32PixelFormat : int(TJPF_RGB), &jpeg, &jpegSize,
                                   settings.fullColour ? TJSAMP_444 : TJSAMP_420, settings.quality,
                                   settings.accurateDct ? TJFLAG_ACCURATEDCT : 0);
    const TjBuffer owned(jpeg);
    if (result != 0 || !jpeg)
        throw FileError(file, QStringLiteral("the picture could not be compressed (%1)")
                                  .arg(QString::fromLocal8Bit(tjGetErrorStr2(compressor.get()))));
    return QByteArray(reinterpret_cast<const char*>(owned.get()), qsizetype(jpegSize));
}
