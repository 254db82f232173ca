#pragma once
// What the whole-program tests share about the main window on screen: where
// its controls lie and how to wait for the canvas to show a picture.
#include "book/ControlPlaces.h"
#include "tests/support/ProgramHarness.h"

#include <QImage>
#include <QRect>
#include <string>

// The canvas inside its border, in pixels of the window's client area.
inline const QRect kCanvasArea = controlRect("canvas").adjusted(2, 2, -2, -2);

inline QPoint onCanvas(QPoint p) {
    return kCanvasArea.topLeft() + p;
}
inline QPoint controlCentre(std::string_view name) {
    return controlRect(name).center();
}
// Brush or crayon slot i of the box (0 red, 1 yellow, 2 blue, 3 green), and
// the point a child presses on it.
QRect slotArea(int i);
QPoint paletteSlot(int i);

QImage canvasOf(const QImage& windowShot);
// A page picture as the canvas shows it: the part inside the border.
QImage visiblePart(const QImage& page);
// Page n as the canvas shows it before any colouring.
QImage outlinePage(const ScratchDataFolder& scratch, int page);

// Shots until the canvas shows expected (a page turn slides in, a closed
// dialog leaves a repaint behind); the last shot either way.
QImage waitForCanvas(const RunningProgram& program, const QImage& expected);
// A shot once the program has finished drawing: two in a row alike.
QImage settledShot(const RunningProgram& program);

// The pixels of box (the whole picture when box is empty) for which ok(x, y)
// is false.
template <typename Rule> PixelDifference breaking(const QImage& picture, Rule ok, QRect box = {}) {
    box = box.isEmpty() ? picture.rect() : box.intersected(picture.rect());
    PixelDifference result;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (!ok(x, y) && result.count++ == 0)
                result.first = {x, y};
    return result;
}
int countOf(const QImage& picture, QRgb colour, QRect box = {});
std::string where(const PixelDifference& d);
// Keeps a shot in the build folder to look at when a test fails.
void keep(const QImage& shot, const QString& name);
