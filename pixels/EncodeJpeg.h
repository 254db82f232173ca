#pragma once
// JPEG encoding on TurboJPEG, for every JPEG the project makes.
#include <QByteArray>
#include <QImage>
#include <QString>

struct JpegSettings {
    int quality = 80; // 1 to 100
    // Every colour channel at full resolution (4:4:4) rather than halved
    // both ways (4:2:0).
    bool fullColour = false;
    // The exact DCT rather than the fast one.
    bool accurateDct = false;
};

// Encodes image: RGB32 and RGB888 as they lie in memory, any other format
// converted to RGB888 first. Throws FileError naming file, the file the JPEG
// is for, when TurboJPEG fails.
QByteArray encodeJpeg(const QImage& image, const JpegSettings& settings, const QString& file);
