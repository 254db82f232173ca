#include "postcard/BmpToJpeg.h"

#include "pixels/AtomicFile.h"
#include "pixels/BitmapFile.h"
#include "pixels/EncodeJpeg.h"

void BmpToJpeg(const QString& source, const QString& destination, int quality) {
    const QImage picture = loadPicture(source);
    writeFileAtomically(destination, encodeJpeg(picture, {.quality = quality}, destination));
}
