#pragma once
// Reading the committed artwork for the tests, and the measures they apply.
#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

struct LoadedPicture {
    QImage image;      // empty when the file is missing or unreadable
    QByteArray format; // as recognised from the content: "png", "jpeg", "bmp"
};

// A committed file, by its path inside the source tree.
LoadedPicture loadArtwork(const QString& relative);

// Mean absolute difference per channel between two equally sized areas.
double meanDifference(const QImage& a, QRect areaA, const QImage& b, QRect areaB);

// How many pixels of area have exactly the colour rgb (alpha ignored).
int countExact(const QImage& image, QRect area, QRgb rgb);

// Whether area holds a square of side pixels, all exactly rgb.
bool hasSolidSquare(const QImage& image, QRect area, QRgb rgb, int side);

// Contrast ratio of white against the colour, as readability guides define
// it: 1 (none) to 21 (white on black).
double contrastWithWhite(QRgb rgb);
