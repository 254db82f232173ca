// Storing the page: SavePic writes the canvas as a 24-bit bitmap, atomically
// (a temporary file synced to disk, renamed over the working copy, and the
// folder synced). Peers in the same run: a plain write of the same bytes
// without rename or sync, and the bitmap encoding alone.
#include "bench/BenchTiming.h"
#include "colouring/Canvas.h"
#include "pixels/BitmapFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

BENCHMARK_DEFINE_F(WindowBench, SavePic)(benchmark::State& state) {
    for (auto _ : state) {
        if (!window().SavePic()) {
            state.SkipWithError(qPrintable(w().reports.join(QLatin1Char('\n'))));
            return;
        }
    }
}
BENCHMARK_REGISTER_F(WindowBench, SavePic)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_Peer_PlainFileWrite(benchmark::State& state) {
    const QByteArray bytes = encodeBitmap24(shippedOutline(1));
    QTemporaryDir dir;
    const QString path = dir.filePath(QFileInfo(DataFiles::workingPage(1)).fileName());
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
    const QImage page = shippedOutline(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeBitmap24(page));
}
BENCHMARK(BM_Peer_EncodeBitmap24)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
