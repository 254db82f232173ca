// Prints the main window's control places, one a line, in pixels of the
// window's client area, for scripts: "<name> <left> <top> <width> <height>".
#include "state/ControlPlaces.h"

#include <cstdio>

int main() {
    for (const ControlPlace& place : kControlPlaces) {
        const QRect r = controlRect(place.name);
        std::printf("%.*s %d %d %d %d\n", int(place.name.size()), place.name.data(), r.x(), r.y(),
                    r.width(), r.height());
    }
    return 0;
}
