#pragma once
// What every pixel routine shares: the RGB32 layout and the colour test.
// Pixels are RGB32 words (0xffRRGGBB); colours are compared on their RGB bits
// only, so a stray alpha byte never splits a region.
#include <QImage>
#include <cstdint>

namespace pixelrows {

constexpr std::uint32_t kRgbMask = 0x00ffffffu;
constexpr std::uint32_t kOpaque = 0xff000000u;

// Every pixel routine works on RGB32; anything else is brought to it first.
inline void makeRgb32(QImage& image) {
    if (image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_RGB32);
}

inline bool matches(std::uint32_t pixel, std::uint32_t key) {
    return (pixel & kRgbMask) == key;
}

} // namespace pixelrows
