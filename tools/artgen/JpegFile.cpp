#include "tools/artgen/JpegFile.h"

#include "pixels/AtomicFile.h"
#include "pixels/FileError.h"
#include "pixels/TurboJpegHandles.h"

void writeJpegFile(const QImage& image, const QString& path, int quality) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const TjHandle compressor(tjInitCompress());
    if (!compressor)
        throw FileError(path, QString::fromLatin1(tjGetErrorStr()));
    unsigned char* bytes = nullptr;
    unsigned long size = 0;
    const int failed =
        tjCompress2(compressor.get(), rgb.constBits(), rgb.width(), int(rgb.bytesPerLine()),
                    rgb.height(), TJPF_RGB, &bytes, &size, TJSAMP_444, quality, TJFLAG_ACCURATEDCT);
    const TjBuffer owned(bytes);
    if (failed != 0)
        throw FileError(path, QString::fromLatin1(tjGetErrorStr2(compressor.get())));
    writeFileAtomically(path,
                        QByteArrayView(reinterpret_cast<const char*>(bytes), qsizetype(size)));
}
