#pragma once
// JPEG output for the window's pictures. Every colour channel keeps full
// resolution (4:4:4): the pictures are small and full of sharp coloured
// edges that halved colour would smear.
#include <QImage>
#include <QString>

// Writes image as a JPEG file at path. Throws FileError.
void writeJpegFile(const QImage& image, const QString& path, int quality);
