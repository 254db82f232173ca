#pragma once
// Sets how many device pixels a screen shows for each logical pixel, for
// every window on it, while the program runs: the full-screen book is the
// fixed window at a larger scale, its dialogs and cursors with it.
#include <QtGlobal>

class QScreen;

class ScreenScale {
public:
    // Scales screen to ratio device pixels per logical pixel.
    void set(QScreen* screen, qreal ratio);
    // Puts back the scale the screen had before the first set.
    void restore();

private:
    QScreen* screen_ = nullptr;
    qreal original_ = 1; // the screen's own factor, beyond the program-wide one
};
