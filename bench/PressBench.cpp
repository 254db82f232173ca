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
constexpr int kRedSlot = 0;
constexpr int kBlueSlot = 2;

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

// A pixel inside the largest white area of the picture: the worst fill.
QPoint largestWhiteArea(QImage picture) {
    QPoint best;
    int bestPixels = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != qRgb(255, 255, 255))
                continue;
            const ConnectedArea area(picture, {x, y});
            picture = area.paintedOn(std::move(picture), qRgb(1, 2, 3)); // out of the next count
            if (area.size() > bestPixels) {
                bestPixels = area.size();
                best = QPoint(x, y);
            }
        }
    return best;
}

// Point k of a scribble that sweeps back and forth across the page.
QPoint scribblePoint(std::int64_t k) {
    const int sweep = int(k % 240);
    const int x = 20 + 2 * (sweep < 120 ? sweep : 240 - sweep) * 2;
    return QPoint(x, 196 + int(120 * std::sin(double(k) * 0.07)));
}

void BM_Press_PaletteSlot(benchmark::State& state) {
    TestWindow w;
    if (!started(state, w))
        return;
    bool blue = false;
    timeEach(
        state, w, [] {},
        [&] {
            blue = !blue;
            w.clickAt(w.centreOf(w.window->cmdCOLOR.at(blue ? kBlueSlot : kRedSlot)));
        },
        [&] {
            const ImageControl* slot = w.window->cmdCOLOR.at(blue ? kBlueSlot : kRedSlot);
            return w.window->state.ToolArmed && w.window->canvas->FillColor == slot->Tag.toUInt();
        });
}
BENCHMARK(BM_Press_PaletteSlot)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Press_PaintButton(benchmark::State& state) {
    TestWindow w;
    if (!started(state, w))
        return;
    frmCANVAS& window = *w.window;
    timeEach(
        state, w, [&] { w.clickAt(w.centreOf(window.cmdDRAW->face())); },
        [&] { w.clickAt(w.centreOf(window.cmdPAINT->face())); },
        [&] { return window.state.ToolKind == ToolKinds::PaintMode; });
}
BENCHMARK(BM_Press_PaintButton)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Press_FillLargestArea(benchmark::State& state) {
    TestWindow w;
    if (!started(state, w))
        return;
    frmCANVAS& window = *w.window;
    const QPoint area = largestWhiteArea(window.canvas->Image());
    const QPoint at = w.pixel(area.x(), area.y());
    bool blue = false;
    timeEach(
        state, w,
        [&] {
            blue = !blue;
            w.clickAt(w.centreOf(window.cmdCOLOR.at(blue ? kBlueSlot : kRedSlot)));
        },
        [&] {
            w.pressAt(at);
            w.releaseAt(at);
        },
        [&] {
            const ImageControl* slot = window.cmdCOLOR.at(blue ? kBlueSlot : kRedSlot);
            return window.canvas->Image().pixel(area) == rgbFromColour(slot->Tag.toUInt());
        });
}
BENCHMARK(BM_Press_FillLargestArea)->UseManualTime()->Unit(benchmark::kMillisecond);

// One move of a stroke held down across the page, with the given tool.
void moveRepeatedly(benchmark::State& state, TestWindow& w, const QWidget* tool) {
    frmCANVAS& window = *w.window;
    w.clickAt(w.centreOf(window.cmdDRAW->face()));
    w.clickAt(w.centreOf(tool));
    const QPoint first = scribblePoint(0);
    w.pressAt(w.pixel(first.x(), first.y()));
    const QImage before = window.canvas->Image().copy();
    std::int64_t k = 0;
    QPoint last = first;
    timeEach(
        state, w, [] {},
        [&] {
            last = scribblePoint(++k);
            w.moveTo(w.pixel(last.x(), last.y()));
        });
    w.releaseAt(w.pixel(last.x(), last.y()));
    if (window.canvas->Image() == before)
        state.SkipWithError("the moves left no mark");
}

void BM_Move_Crayon(benchmark::State& state) {
    TestWindow w;
    if (!started(state, w))
        return;
    moveRepeatedly(state, w, w.window->cmdCOLOR.at(kBlueSlot));
}
BENCHMARK(BM_Move_Crayon)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Move_Eraser(benchmark::State& state) {
    TestWindow w;
    if (!started(state, w))
        return;
    // Something to erase: the whole page coloured.
    QImage coloured = w.window->canvas->Image().copy();
    coloured.fill(qRgb(0, 0, 255));
    w.window->canvas->setPicture(coloured);
    moveRepeatedly(state, w, w.window->cmdERASER);
}
BENCHMARK(BM_Move_Eraser)->UseManualTime()->Unit(benchmark::kMillisecond);

// The release at the end of a short crayon stroke: the outlines of the whole
// page are stamped back on top.
void BM_Release_CrayonStroke(benchmark::State& state) {
    TestWindow w;
    if (!started(state, w))
        return;
    frmCANVAS& window = *w.window;
    w.clickAt(w.centreOf(window.cmdDRAW->face()));
    w.clickAt(w.centreOf(window.cmdCOLOR.at(kBlueSlot)));
    std::int64_t k = 0;
    QPoint end;
    timeEach(
        state, w,
        [&] {
            const QPoint from = scribblePoint(k += 7);
            end = scribblePoint(k + 3);
            w.pressAt(w.pixel(from.x(), from.y()));
            w.moveTo(w.pixel(end.x(), end.y()));
        },
        [&] { w.releaseAt(w.pixel(end.x(), end.y())); });
}
BENCHMARK(BM_Release_CrayonStroke)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Peer_BareBackgroundClick(benchmark::State& state) {
    TestWindow w;
    if (!started(state, w))
        return;
    timeEach(
        state, w, [] {}, [&] { w.clickAt(QPoint(400, 15)); });
}
BENCHMARK(BM_Peer_BareBackgroundClick)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
