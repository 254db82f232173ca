// Storing the page: SavePic writes the canvas as a 24-bit bitmap, atomically
// (a temporary file synced to disk, renamed over the working copy, and the
// folder synced). Peers in the same run: a plain write of the same bytes
// without rename or sync, and the bitmap encoding alone.
#include "bench/BenchTiming.h"
#include "colouring/Canvas.h"
#include "pixels/BitmapFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_SavePic(benchmark::State& state) {
    TestWindow w;
    if (!started(state, w))
        return;
    for (auto _ : state) {
        if (!w.window->SavePic()) {
            state.SkipWithError(qPrintable(w.reports.join(QLatin1Char('\n'))));
            return;
        }
    }
}
BENCHMARK(BM_SavePic)->UseRealTime()->Unit(benchmark::kMillisecond);

QImage shippedPageOne() {
    return loadPicture(QStringLiteral(VELLUMIX_SOURCE_DIR "/res/pages/orig/1.bmp"));
}

void BM_Peer_PlainFileWrite(benchmark::State& state) {
    const QByteArray bytes = encodeBitmap24(shippedPageOne());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("1.bmp"));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size()) {
            state.SkipWithError("the file could not be written");
            return;
        }
    }
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_Peer_PlainFileWrite)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_Peer_EncodeBitmap24(benchmark::State& state) {
    const QImage page = shippedPageOne();
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeBitmap24(page));
}
BENCHMARK(BM_Peer_EncodeBitmap24)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
