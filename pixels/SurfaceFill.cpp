#include "pixels/SurfaceFill.h"

#include "pixels/PixelPaths.h"
#include "pixels/PixelRows.h"

QRect surfaceFill(QImage& image, int x, int y, Colour fill) {
    if (!image.rect().contains(x, y))
        return {};
    pixelrows::makeRgb32(image);
    const std::uint32_t key = image.pixel(x, y) & pixelrows::kRgbMask;
    const std::uint32_t value = rgbFromColour(fill) | pixelrows::kOpaque;
    if ((value & pixelrows::kRgbMask) == key)
        return {};
    const PixelGrid grid{reinterpret_cast<std::uint32_t*>(image.bits()), image.bytesPerLine() / 4,
                         image.width(), image.height()};
    return pixelPath().fill(grid, QPoint(x, y), key, value);
}
