#pragma once
// What the window benchmarks share. Google Benchmark owns main(), so the
// QApplication (offscreen) is made on first use; each window runs over its
// own scratch copy of the shipped data folder, and is driven through the
// platform's own mouse dispatch as a child's presses would be.
#include "app/frmCANVAS.h"

#include <QPoint>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

void ensureApplication();

// A program folder holding a copy of <source>/res.
class ScratchProgramFolder {
public:
    ScratchProgramFolder();
    QString programFolder() const { return dir_.path(); }
    QString dataFolder() const { return dir_.path() + QStringLiteral("/res/"); }

private:
    QTemporaryDir dir_;
};

// Shows widget and handles events until its first paint is complete.
// False when no paint came within a few seconds.
bool showAndWaitForFirstPaint(QWidget& widget);
// True once any window of this process has been painted: the first start-up
// pays for fonts, image plug-ins and resources that later ones find ready.
bool anyWindowPaintedYet();

// Handles what the last input left pending, the repaint above all.
void settle();

// Started, shown and painted; message boxes are collected, not shown.
struct LoadedWindow {
    LoadedWindow();
    ScratchProgramFolder folder;
    std::unique_ptr<frmCANVAS> window;
    QStringList reports;
    bool ok = false;

    QPoint centreOf(const QWidget* control) const;
    QPoint canvasPixel(int x, int y) const; // window position of a canvas picture pixel
    void click(QPoint windowPos);
    void press(QPoint windowPos);
    void release(QPoint windowPos);
    void move(QPoint windowPos);
};

// False, with the benchmark marked as failed, when the window did not start.
bool started(benchmark::State& state, const LoadedWindow& w);

using BenchClock = std::chrono::steady_clock;

inline double secondsSince(BenchClock::time_point start) {
    return std::chrono::duration<double>(BenchClock::now() - start).count();
}
