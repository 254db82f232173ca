#pragma once
// The main window's pictures in their 1x form, as the layout and the data
// folder hold them, each with its SVG source attached so that it is drawn
// afresh for the device pixels of finer screens (CrispPictures).
#include <QList>
#include <QPixmap>
#include <QString>
#include <utility>

// Starts drawing the window's pictures for a screen of ratio device pixels
// to the window's, so that they are ready by its first paint.
void startDrawingWindowArtwork(qreal ratio);
// The desk, the window's background picture, from the data folder. Throws FileError.
QPixmap deskPicture(const QString& dataFolder);
// A palette picture of the data folder ("stix.kyr", "brsh.kyr"). Throws FileError.
QPixmap dataPicture(const QString& dataFolder, const char* file);
// A picture of the window's stored layout: the logo, the eraser, the empty slot.
QPixmap layoutPicture(const QString& name);
// The three pictures of an image button under the layout's lower-case keys
// for its stored properties.
QList<std::pair<QString, QPixmap>> storedButton(const QString& name);
