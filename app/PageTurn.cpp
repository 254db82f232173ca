#include "app/PageTurn.h"

#include "app/PageSheet.h"
#include "colouring/Canvas.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <chrono>
#include <thread>

void PageTurn::leave(int step, const std::function<bool()>& store,
                     const std::function<void(int)>& show) {
    running_ = true;
    const auto over = qScopeGuard([this] { running_ = false; });
    if (store())
        show(step);
}

void PageTurn::show(int step, const QImage& newPage, int intervalMs) {
    if (step > 0)
        forward(newPage, intervalMs);
    else if (step == 0)
        canvas_.setPicture(newPage);
    else
        backward(newPage, intervalMs);
}

// Each frame is painted at once, then the thread pauses for the full
// interval, measured on a clock: a slow frame makes the turn longer, never
// its pause shorter.
void PageTurn::showFrame(int sheetLeft, int intervalMs) {
    sheet_.move(sheetLeft, sheet_.y());
    canvas_.repaint();
    QElapsedTimer pause;
    pause.start();
    const qint64 intervalNs = qint64(intervalMs) * 1000000;
    for (qint64 left = intervalNs; left > 0; left = intervalNs - pause.nsecsElapsed())
        std::this_thread::sleep_for(std::chrono::nanoseconds(left));
    frames_.push_back({sheet_.pos(), pause.nsecsElapsed()});
}

void PageTurn::forward(const QImage& newPage, int intervalMs) {
    sheet_.prepare(newPage);
    int left = canvas_.width();
    do {
        left -= kSheetStep;
        showFrame(left, intervalMs);
    } while (left > 0);
    canvas_.setPicture(sheet_.picture());
}

void PageTurn::backward(const QImage& newPage, int intervalMs) {
    sheet_.prepare(canvas_.Image());
    canvas_.setPicture(newPage);
    int left = 0;
    do {
        left += kSheetStep;
        showFrame(left, intervalMs);
    } while (left < canvas_.width());
}
