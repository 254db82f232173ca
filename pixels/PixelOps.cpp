#include "pixels/PixelOps.h"

#include "pixels/PixelPaths.h"
#include "pixels/PixelRows.h"

#include <algorithm>
#include <cstring>

namespace {

// The part of the w x h block at (x, y) that lies inside both images. Works
// in 64 bits so that no position or size, however large, can wrap around.
QRect clipBlock(const QImage& target, const QImage& source, int x, int y, int w, int h) {
    if (w <= 0 || h <= 0)
        return {};
    const long long left = std::max<long long>(x, 0);
    const long long top = std::max<long long>(y, 0);
    const long long right =
        std::min({(long long)x + w, (long long)target.width(), (long long)source.width()});
    const long long bottom =
        std::min({(long long)y + h, (long long)target.height(), (long long)source.height()});
    if (left >= right || top >= bottom)
        return {};
    return QRect(int(left), int(top), int(right - left), int(bottom - top));
}

// source in RGB32, converted only when it is held in another format.
QImage rgb32(const QImage& source) {
    return source.format() == QImage::Format_RGB32 ? source
                                                   : source.convertToFormat(QImage::Format_RGB32);
}

template <typename RowOp>
QRect transferBlock(QImage& target, const QImage& anySource, int x, int y, int w, int h,
                    RowOp rowOp) {
    const QRect block = clipBlock(target, anySource, x, y, w, h);
    if (block.isEmpty())
        return {};
    // Holding the source before writing makes a target that shares its
    // pixels (or is the source itself) detach, so rows never overlap.
    const QImage source = rgb32(anySource);
    pixelrows::makeRgb32(target);
    const auto* from = reinterpret_cast<const std::uint32_t*>(source.constBits());
    auto* to = reinterpret_cast<std::uint32_t*>(target.bits());
    const std::ptrdiff_t fromStride = source.bytesPerLine() / 4;
    const std::ptrdiff_t toStride = target.bytesPerLine() / 4;
    // Whole rows of equally laid out images form one run: the release stamp
    // covers the full page and goes through in a single pass.
    if (block.x() == 0 && block.width() == target.width() && fromStride == toStride &&
        toStride == target.width()) {
        const std::ptrdiff_t offset = block.y() * toStride;
        rowOp(to + offset, from + offset, std::size_t(block.height()) * std::size_t(toStride));
        return block;
    }
    for (int row = block.top(); row <= block.bottom(); ++row)
        rowOp(to + row * toStride + block.x(), from + row * fromStride + block.x(),
              std::size_t(block.width()));
    return block;
}

} // namespace

std::optional<Colour> readPixel(const QImage& image, int x, int y) {
    if (!image.rect().contains(x, y))
        return std::nullopt;
    return colourFromRgb(image.pixel(x, y));
}

QRect blockCopy(QImage& target, const QImage& source, int x, int y, int w, int h) {
    return transferBlock(target, source, x, y, w, h,
                         [](std::uint32_t* to, const std::uint32_t* from, std::size_t n) {
                             std::memcpy(to, from, n * sizeof *to);
                         });
}

QRect blockAnd(QImage& target, const QImage& source, int x, int y, int w, int h) {
    return transferBlock(target, source, x, y, w, h, pixelPath().andPixels);
}
