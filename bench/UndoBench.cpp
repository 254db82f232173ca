// Undo and redo of a step that changed the whole page: page 1's margin
// filled (every row of the page touched, around every outline), and the
// blank page filled (every pixel). The peer is a memcpy of the page's bytes.
#include "colouring/UndoHistory.h"
#include "pixels/SurfaceFill.h"
#include "tests/support/Facts.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

void undoRedo(benchmark::State& state, QImage picture) {
    UndoHistory history;
    history.open(1, picture);
    history.changed(surfaceFill(picture, 0, 0, kPaletteTable[kBlueSlot]));
    if (!history.close(picture)) {
        state.SkipWithError("the fill changed nothing");
        return;
    }
    bool undo = true;
    for (auto _ : state) {
        const QRect changed = undo ? history.undo(1, picture) : history.redo(1, picture);
        benchmark::DoNotOptimize(changed);
        undo = !undo;
    }
    state.counters["step_kB"] = double(history.storedBytes()) / 1024;
}

void BM_UndoRedo_MarginOfPage1(benchmark::State& state) {
    undoRedo(state, shippedOutline(1));
}
BENCHMARK(BM_UndoRedo_MarginOfPage1)->Unit(benchmark::kMicrosecond);

void BM_UndoRedo_BlankPage(benchmark::State& state) {
    QImage blank = shippedOutline(1);
    blank.fill(Qt::white);
    undoRedo(state, blank);
}
BENCHMARK(BM_UndoRedo_BlankPage)->Unit(benchmark::kMicrosecond);

void BM_UndoRedo_PeerMemcpy(benchmark::State& state) {
    const QImage page = shippedOutline(1);
    QImage copy = page.copy();
    for (auto _ : state) {
        std::memcpy(copy.bits(), page.constBits(), std::size_t(page.sizeInBytes()));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_UndoRedo_PeerMemcpy)->Unit(benchmark::kMicrosecond);

} // namespace
