// A page turn: one frame (the sheet moved and the canvas repainted with it)
// against the raw drawing of the same two pictures, and whole turns against
// their 27 pauses of 10 ms, measured alone in the same run.
#include "app/PageSheet.h"
#include "app/PageTurn.h"
#include "bench/BenchTiming.h"
#include "colouring/Canvas.h"
#include "controls/ucButtonA.h"
#include "pixels/BitmapFile.h"

#include <QElapsedTimer>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <thread>

namespace {

constexpr int kFrames = 27;
constexpr int kSheetStep = PageTurn::kSheetStep;
constexpr double kPausesSeconds = kFrames * PageTurn::kFramePauseMs / 1000.0;

// The sheet's left edge in frame k of a forward turn, cycling through all 27.
int sheetLeft(std::int64_t iteration, int canvasWidth) {
    return canvasWidth - kSheetStep * int(1 + iteration % kFrames);
}

BENCHMARK_DEFINE_F(WindowBench, TurnFrame)(benchmark::State& state) {
    frmCANVAS& window = this->window();
    window.imgANIM->prepare(shippedOutline(2));
    std::int64_t frame = 0;
    double total = 0;
    for (auto _ : state) {
        const BenchClock::time_point start = BenchClock::now();
        window.imgANIM->move(sheetLeft(frame++, window.canvas->width()), window.imgANIM->y());
        window.canvas->repaint();
        const double seconds = secondsSince(start);
        state.SetIterationTime(seconds);
        total += seconds;
    }
    window.imgANIM->hide();
    state.counters["x_pause"] = total / double(state.iterations()) / 0.010;
}
BENCHMARK_REGISTER_F(WindowBench, TurnFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

// The least a frame can cost: the page and the sheet drawn into an image of
// the canvas's size, with no widgets in between.
void BM_Peer_TurnFrameTwoBlits(benchmark::State& state) {
    const QImage page = shippedOutline(1);
    const QImage sheet = shippedOutline(2);
    QImage target(page.size(), QImage::Format_RGB32);
    std::int64_t frame = 0;
    for (auto _ : state) {
        QPainter painter(&target);
        painter.drawImage(0, 0, page);
        painter.drawImage(sheetLeft(frame++, page.width()), 2, sheet);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_Peer_TurnFrameTwoBlits)->UseRealTime()->Unit(benchmark::kMillisecond);

// Back on page, by a turn outside the timing when another is shown.
void turnTo(frmCANVAS& window, int page) {
    if (const int step = page - window.state().CurrentPage)
        window.goPic(step);
}

// Whole turns from `from` by `step`; every turn starts from the same page.
void turnRepeatedly(benchmark::State& state, TestWindow& w, int from, int step) {
    frmCANVAS& window = *w.window;
    double total = 0;
    for (auto _ : state) {
        turnTo(window, from);
        const BenchClock::time_point start = BenchClock::now();
        window.goPic(step);
        const double seconds = secondsSince(start);
        state.SetIterationTime(seconds);
        total += seconds;
        if (window.lastTurnFrames() != kFrames || !w.reports.isEmpty()) {
            state.SkipWithError("the turn did not run its 27 frames");
            return;
        }
    }
    state.counters["x_pauses"] = total / double(state.iterations()) / kPausesSeconds;
}

// Ten whole turns of one kind, each timed alone.
#define VX_TURN_BENCHMARK(Fixture, Name, from, step)                                               \
    BENCHMARK_DEFINE_F(Fixture, Name)(benchmark::State & state) {                                  \
        turnRepeatedly(state, w(), from, step);                                                    \
    }                                                                                              \
    BENCHMARK_REGISTER_F(Fixture, Name)                                                            \
        ->UseManualTime()                                                                          \
        ->Iterations(10)                                                                           \
        ->Unit(benchmark::kMillisecond)

VX_TURN_BENCHMARK(WindowBench, PageTurnForward, 1, +1);
VX_TURN_BENCHMARK(WindowBench, PageTurnBackward, 3, -1);
// The same turns on a screen of twice the resolution: four times the pixels
// a frame, the same pauses.
VX_TURN_BENCHMARK(WindowBenchAt2x, PageTurnForward, 1, +1);
VX_TURN_BENCHMARK(WindowBenchAt2x, PageTurnBackward, 3, -1);

// The child's click on the next-page button: the page stored, then turned.
BENCHMARK_DEFINE_F(WindowBench, NextButtonClick)(benchmark::State& state) {
    frmCANVAS& window = this->window();
    const QPoint button = w().centreOf(window.cmdNEXT->face());
    for (auto _ : state) {
        turnTo(window, 1);
        const BenchClock::time_point start = BenchClock::now();
        w().clickAt(button);
        settle();
        state.SetIterationTime(secondsSince(start));
        if (window.state().CurrentPage != 2 || !w().reports.isEmpty()) {
            state.SkipWithError("the click did not turn the page");
            return;
        }
    }
}
BENCHMARK_REGISTER_F(WindowBench, NextButtonClick)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

// The 27 pauses alone, as the turn makes them: each lasts 10 ms on a clock
// started when it begins.
void BM_Peer_TwentySevenPauses(benchmark::State& state) {
    for (auto _ : state) {
        for (int frame = 1; frame <= kFrames; ++frame) {
            QElapsedTimer pause;
            pause.start();
            for (qint64 left = 10'000'000; left > 0; left = 10'000'000 - pause.nsecsElapsed())
                std::this_thread::sleep_for(std::chrono::nanoseconds(left));
        }
    }
}
BENCHMARK(BM_Peer_TwentySevenPauses)->UseRealTime()->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace
