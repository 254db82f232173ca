#include "controls/Twips.h"

#include <QWidget>

double screenTwipsPerPixelX(const QWidget* widget) {
    return 1440.0 / widget->logicalDpiX();
}
double screenTwipsPerPixelY(const QWidget* widget) {
    return 1440.0 / widget->logicalDpiY();
}
