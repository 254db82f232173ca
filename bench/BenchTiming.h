#pragma once
// What the window benchmarks share besides the window itself: a clock, and
// a benchmark marked as failed when its window does not start.
#include "app/ScreenScale.h"
#include "tests/support/TestWindow.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <chrono>

inline bool started(benchmark::State& state, TestWindow& w) {
    if (w.open())
        return true;
    state.SkipWithError(qPrintable(QStringLiteral("the window did not start: ") +
                                   w.reports.join(QLatin1Char('\n'))));
    return false;
}

using BenchClock = std::chrono::steady_clock;

inline double secondsSince(BenchClock::time_point start) {
    return std::chrono::duration<double>(BenchClock::now() - start).count();
}

// The primary screen at ratio device pixels to the unit while it lives: the
// windows made meanwhile are those of a finer screen.
class ScaledScreen {
public:
    explicit ScaledScreen(qreal ratio) {
        ensureApplication();
        scale_.set(QGuiApplication::primaryScreen(), ratio);
    }
    ~ScaledScreen() { scale_.restore(); }
    ScaledScreen(const ScaledScreen&) = delete;
    ScaledScreen& operator=(const ScaledScreen&) = delete;

private:
    ScreenScale scale_;
};
