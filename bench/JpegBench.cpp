// The postcard's conversion: BmpToJpeg reads the temporary bitmap, compresses
// it at quality 80 and writes the JPEG atomically. Its peer, in the same run:
// libjpeg-turbo compressing the same pixels in memory, with the same settings.
#include "pixels/BitmapFile.h"
#include "pixels/SurfaceFill.h"
#include "pixels/TurboJpegHandles.h"
#include "postcard/BmpToJpeg.h"
#include "tests/support/Facts.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <turbojpeg.h>

namespace {

constexpr int kQuality = 80;

// Page 1 with some of its areas filled, as a postcard would carry it.
QImage colouredPage() {
    QImage page = shippedOutline(1);
    const Colour colours[] = {packColour(255, 0, 0),   packColour(0, 0, 255),
                              packColour(255, 255, 0), packColour(0, 255, 0),
                              packColour(255, 128, 0), packColour(240, 190, 139)};
    int next = 0;
    for (int y = 20; y < page.height(); y += 60)
        for (int x = 20; x < page.width(); x += 80)
            if (page.pixel(x, y) == kWhiteRgb)
                surfaceFill(page, x, y, colours[next++ % 6]);
    return page;
}

void BM_BmpToJpeg(benchmark::State& state) {
    QTemporaryDir dir;
    const QString source = dir.filePath(DataFiles::TempPicture);
    const QString destination = dir.filePath(DataFiles::PostcardPicture);
    writeBitmapFile(colouredPage(), source);
    for (auto _ : state) {
        try {
            BmpToJpeg(source, destination, kQuality);
        } catch (const FileError& e) {
            state.SkipWithError(qPrintable(e.path() + QStringLiteral(": ") + e.reason()));
            return;
        }
    }
}
BENCHMARK(BM_BmpToJpeg)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_Peer_TjCompress2InMemory(benchmark::State& state) {
    const QImage page = colouredPage(); // RGB32: B, G, R, X in memory on little-endian machines
    const TjHandle compressor(tjInitCompress());
    const int pixelFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TJPF_BGRX : TJPF_XRGB;
    unsigned long size = 0;
    for (auto _ : state) {
        unsigned char* jpeg = nullptr;
        const int result =
            tjCompress2(compressor.get(), page.constBits(), page.width(), int(page.bytesPerLine()),
                        page.height(), pixelFormat, &jpeg, &size, TJSAMP_420, kQuality, 0);
        const TjBuffer owned(jpeg);
        if (result != 0) {
            state.SkipWithError(tjGetErrorStr2(compressor.get()));
            break;
        }
    }
    state.counters["jpeg_bytes"] = double(size);
}
BENCHMARK(BM_Peer_TjCompress2InMemory)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
