#include "tools/artgen/JpegFile.h"

#include "colouring/pixels/FileError.h"

#include <QSaveFile>
#include <memory>
#include <turbojpeg.h>

namespace {

struct CompressorCloser {
    void operator()(void* handle) const { tjDestroy(handle); }
};

struct BufferFreer {
    void operator()(unsigned char* buffer) const { tjFree(buffer); }
};

} // namespace

void writeJpegFile(const QImage& image, const QString& path, int quality) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const std::unique_ptr<void, CompressorCloser> compressor(tjInitCompress());
    if (!compressor)
        throw FileError(path, QString::fromLatin1(tjGetErrorStr()));
    unsigned char* bytes = nullptr;
    unsigned long size = 0;
    const int failed =
        tjCompress2(compressor.get(), rgb.constBits(), rgb.width(), int(rgb.bytesPerLine()),
                    rgb.height(), TJPF_RGB, &bytes, &size, TJSAMP_444, quality, TJFLAG_ACCURATEDCT);
    const std::unique_ptr<unsigned char, BufferFreer> owned(bytes);
    if (failed != 0)
        throw FileError(path, QString::fromLatin1(tjGetErrorStr2(compressor.get())));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes), qint64(size)) != qint64(size) ||
        !file.commit())
        throw FileError(path, file.errorString());
}
