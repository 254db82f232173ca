#pragma once
// What the window benchmarks share: the loaded window each starts from, a
// clock, and the screen's scale.
#include "app/ScreenScale.h"
#include "tests/support/Facts.h"
#include "tests/support/TestWindow.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <chrono>

// A main window started afresh for each run of a benchmark, over its own
// scratch data folder; a window that does not start fails the benchmark
// before its body runs. Defined with BENCHMARK_DEFINE_F(WindowBench, ...).
class WindowBench : public benchmark::Fixture {
public:
    void Run(benchmark::State& state) override {
        TestWindow started;
        if (!started.open()) {
            state.SkipWithError(qPrintable(QStringLiteral("the window did not start: ") +
                                           started.reports.join(QLatin1Char('\n'))));
            return;
        }
        w_ = &started;
        BenchmarkCase(state);
        w_ = nullptr;
    }

protected:
    TestWindow& w() { return *w_; }
    frmCANVAS& window() { return *w_->window; }

private:
    TestWindow* w_ = nullptr;
};

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

// The window benchmarks' fixture on a screen of twice the resolution.
class WindowBenchAt2x : public WindowBench {
public:
    void Run(benchmark::State& state) override {
        const ScaledScreen screen(2);
        WindowBench::Run(state);
    }
};
