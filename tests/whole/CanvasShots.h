#pragma once
// What the whole-program tests share about the main window on screen: where
// its controls lie and how to wait for the canvas to show a picture.
#include "state/ControlPlaces.h"
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
// Brush or crayon slot i of the box (0 red, 1 yellow, 2 blue, 3 green).
QPoint paletteSlot(int i);

QImage canvasOf(const QImage& windowShot);
// Page n as the canvas shows it before any colouring.
QImage outlinePage(const ScratchDataFolder& scratch, int page);

// Shots until the canvas shows expected (a page turn slides in, a closed
// dialog leaves a repaint behind); the last shot's canvas either way.
QImage waitForCanvas(const RunningProgram& program, const QImage& expected);
// The canvas once the program has finished drawing: two shots in a row alike.
QImage settledCanvas(const RunningProgram& program);

int countOf(const QImage& picture, QRgb colour);
std::string where(const PixelDifference& d);
// Keeps a shot in the build folder to look at when a test fails.
void keep(const QImage& shot, const QString& name);
