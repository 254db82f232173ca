#pragma once
// Colours travel through the program packed as red + 256 green + 65536 blue,
// the layout the palette tags and the fill test use; images hold QRgb.
#include <QRgb>
#include <cstdint>

using Colour = std::uint32_t;

constexpr Colour packColour(int red, int green, int blue) {
    return Colour(red & 0xFF) | Colour(green & 0xFF) << 8 | Colour(blue & 0xFF) << 16;
}

constexpr Colour colourFromRgb(QRgb rgb) {
    return packColour(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

constexpr QRgb rgbFromColour(Colour colour) {
    return qRgb(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}

constexpr Colour kOutlineBlack = 0;
constexpr Colour kWhite = 16777215;
