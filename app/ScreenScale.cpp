#include "app/ScreenScale.h"

#include <QScreen>
// Qt offers a screen's scale only through the environment at start-up; the
// factor it keeps for each screen is set here through its private interface.
#include <private/qhighdpiscaling_p.h>

void ScreenScale::set(QScreen* screen, qreal ratio) {
    if (screen_ != screen) {
        restore();
        screen_ = screen;
        // The screen's factor is its ratio over the ratio without one.
        const qreal before = screen->devicePixelRatio();
        QHighDpiScaling::setScreenFactor(screen, 1);
        original_ = before / screen->devicePixelRatio();
    }
    QHighDpiScaling::setScreenFactor(screen, 1);
    QHighDpiScaling::setScreenFactor(screen, ratio / screen->devicePixelRatio());
}

void ScreenScale::restore() {
    if (!screen_)
        return;
    QHighDpiScaling::setScreenFactor(screen_, original_);
    screen_ = nullptr;
}
