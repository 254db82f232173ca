#pragma once
#include <QString>

// Converts the picture in the bitmap file source into a JPEG file at
// destination with the given quality (1 to 100). The destination is replaced
// only once the whole JPEG is on disk. Throws FileError when the source
// cannot be read or the JPEG cannot be made or written.
void BmpToJpeg(const QString& source, const QString& destination, int quality);
