#pragma once
// The twelve colours of the crayon box and the brushes, in slot order.
// The artwork generator paints the box from the same table.
#include "pixels/Colour.h"

#include <array>

constexpr int kPaletteSize = 12;

constexpr std::array<Colour, kPaletteSize> kPaletteTable = {
    packColour(255, 0, 0),    packColour(255, 255, 0),   packColour(0, 0, 255),
    packColour(0, 255, 0),    packColour(255, 128, 0),   packColour(30, 30, 30),
    packColour(85, 56, 47),   packColour(128, 128, 128), packColour(255, 128, 192),
    packColour(204, 28, 173), packColour(240, 190, 139), packColour(0, 255, 255),
};

// Resource numbers of a slot's crayon and brush cursors.
constexpr int drawCursorNumber(int slot) {
    return 101 + slot;
}
constexpr int paintCursorNumber(int slot) {
    return 113 + slot;
}
