// Prints the main window's control places and the book's facts, one a line,
// for scripts. Places in pixels of the window's client area:
// "<name> <left> <top> <width> <height>"; then "pages <count>",
// "palette <slots>", "window <width> <height>", "picture <width> <height>"
// and "title <title>".
#include "book/BookFacts.h"

#include <cstdio>

int main() {
    for (const ControlPlace& place : kControlPlaces) {
        const QRect r = controlRect(place.name);
        std::printf("%.*s %d %d %d %d\n", int(place.name.size()), place.name.data(), r.x(), r.y(),
                    r.width(), r.height());
    }
    std::printf("pages %d\npalette %d\n", kPageCount, kPaletteSize);
    std::printf("window %d %d\n", kWindowSize.width(), kWindowSize.height());
    std::printf("picture %d %d\n", kCanvasSize.width(), kCanvasSize.height());
    std::printf("title %s\n", kProgramTitle);
    return 0;
}
