// What a child does with one press or one move, on a loaded window and
// through the platform's own mouse dispatch, each until its repaint is done:
// a palette slot press, a mode button click, a fill press on the largest
// area of page 1, a crayon or eraser move, and the release that stamps the
// outlines back. Each is held against the 16 ms of one frame on screen; the
// peer is a click on the bare window background, which changes nothing.
#include "bench/BenchTiming.h"
#include "colouring/Canvas.h"
#include "controls/ImageControl.h"
#include "controls/ucButtonA.h"
#include "tests/support/ConnectedArea.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <functional>

namespace {

constexpr double kFrameSeconds = 0.016;

// Times act() with the repaint it causes; before() and done(), which says
// whether act() had its effect, run untimed.
void timeEach(benchmark::State& state, TestWindow& w, const std::function<void()>& before,
              const std::function<void()>& act, const std::function<bool()>& done = {}) {
    double total = 0;
    for (auto _ : state) {
        before();
        settle();
        const BenchClock::time_point start = BenchClock::now();
        act();
        settle();
        const double seconds = secondsSince(start);
        state.SetIterationTime(seconds);
        total += seconds;
        if (!w.reports.isEmpty()) {
            state.SkipWithError(qPrintable(w.reports.join(QLatin1Char('\n'))));
            return;
        }
        if (done && !done()) {
            state.SkipWithError("the input did not have its effect");
            return;
        }
    }
    state.counters["x_16ms"] = total / double(state.iterations()) / kFrameSeconds;
}

// Point k of a scribble that sweeps back and forth across the page.
QPoint scribblePoint(std::int64_t k) {
    const int sweep = int(k % 240);
    const int x = 20 + 2 * (sweep < 120 ? sweep : 240 - sweep) * 2;
    return QPoint(x, 196 + int(120 * std::sin(double(k) * 0.07)));
}

BENCHMARK_DEFINE_F(WindowBench, Press_PaletteSlot)(benchmark::State& state) {
    bool blue = false;
    timeEach(
        state, w(), [] {},
        [&] {
            blue = !blue;
            w().clickAt(w().centreOf(window().cmdCOLOR.at(blue ? kBlueSlot : kRedSlot)));
        },
        [&] {
            const ImageControl* slot = window().cmdCOLOR.at(blue ? kBlueSlot : kRedSlot);
            return window().state().ToolArmed && window().canvas->FillColor == slot->Tag.toUInt();
        });
}
BENCHMARK_REGISTER_F(WindowBench, Press_PaletteSlot)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(WindowBench, Press_PaintButton)(benchmark::State& state) {
    timeEach(
        state, w(), [&] { w().clickAt(w().centreOf(window().cmdDRAW->face())); },
        [&] { w().clickAt(w().centreOf(window().cmdPAINT->face())); },
        [&] { return window().state().ToolKind == ToolKinds::PaintMode; });
}
BENCHMARK_REGISTER_F(WindowBench, Press_PaintButton)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(WindowBench, Press_FillLargestArea)(benchmark::State& state) {
    const QPoint area = whiteAreas(window().canvas->Image()).back().start;
    const QPoint at = w().pixel(area.x(), area.y());
    bool blue = false;
    timeEach(
        state, w(),
        [&] {
            blue = !blue;
            w().clickAt(w().centreOf(window().cmdCOLOR.at(blue ? kBlueSlot : kRedSlot)));
        },
        [&] {
            w().pressAt(at);
            w().releaseAt(at);
        },
        [&] {
            const ImageControl* slot = window().cmdCOLOR.at(blue ? kBlueSlot : kRedSlot);
            return window().canvas->Image().pixel(area) == rgbFromColour(slot->Tag.toUInt());
        });
}
BENCHMARK_REGISTER_F(WindowBench, Press_FillLargestArea)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// One move of a stroke held down across the page, with the given tool.
void moveRepeatedly(benchmark::State& state, TestWindow& w, const QWidget* tool) {
    w.clickAt(w.centreOf(w.window->cmdDRAW->face()));
    w.clickAt(w.centreOf(tool));
    const QPoint first = scribblePoint(0);
    w.pressAt(w.pixel(first.x(), first.y()));
    const QImage before = w.window->canvas->Image().copy();
    std::int64_t k = 0;
    QPoint last = first;
    timeEach(
        state, w, [] {},
        [&] {
            last = scribblePoint(++k);
            w.moveTo(w.pixel(last.x(), last.y()));
        });
    w.releaseAt(w.pixel(last.x(), last.y()));
    if (w.window->canvas->Image() == before)
        state.SkipWithError("the moves left no mark");
}

BENCHMARK_DEFINE_F(WindowBench, Move_Crayon)(benchmark::State& state) {
    moveRepeatedly(state, w(), window().cmdCOLOR.at(kBlueSlot));
}
BENCHMARK_REGISTER_F(WindowBench, Move_Crayon)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(WindowBench, Move_Eraser)(benchmark::State& state) {
    // Something to erase: the whole page coloured.
    QImage coloured = window().canvas->Image().copy();
    coloured.fill(kBlue);
    window().canvas->setPicture(coloured);
    moveRepeatedly(state, w(), window().cmdERASER);
}
BENCHMARK_REGISTER_F(WindowBench, Move_Eraser)->UseManualTime()->Unit(benchmark::kMillisecond);

// The release at the end of a short crayon stroke: the outlines of the whole
// page are stamped back on top.
BENCHMARK_DEFINE_F(WindowBench, Release_CrayonStroke)(benchmark::State& state) {
    w().clickAt(w().centreOf(window().cmdDRAW->face()));
    w().clickAt(w().centreOf(window().cmdCOLOR.at(kBlueSlot)));
    std::int64_t k = 0;
    QPoint end;
    timeEach(
        state, w(),
        [&] {
            const QPoint from = scribblePoint(k += 7);
            end = scribblePoint(k + 3);
            w().pressAt(w().pixel(from.x(), from.y()));
            w().moveTo(w().pixel(end.x(), end.y()));
        },
        [&] { w().releaseAt(w().pixel(end.x(), end.y())); });
}
BENCHMARK_REGISTER_F(WindowBench, Release_CrayonStroke)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(WindowBench, Peer_BareBackgroundClick)(benchmark::State& state) {
    timeEach(
        state, w(), [] {}, [&] { w().clickAt(QPoint(kWindowSize.width() / 2, 15)); });
}
BENCHMARK_REGISTER_F(WindowBench, Peer_BareBackgroundClick)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
