#pragma once
// The colours of the crayon box and the brushes, in slot order.
// The artwork generator paints the box from the same table.
#include "book/BookFacts.h"
#include "book/Colour.h"

#include <QtGlobal>
#include <array>

// Sized by its colours, so that one too few or too many is caught here
// rather than drawn black.
constexpr std::array kPaletteTable = {
    packColour(255, 0, 0),    packColour(255, 255, 0),   packColour(0, 0, 255),
    packColour(0, 255, 0),    packColour(255, 128, 0),   packColour(30, 30, 30),
    packColour(85, 56, 47),   packColour(128, 128, 128), packColour(255, 128, 192),
    packColour(204, 28, 173), packColour(240, 190, 139), packColour(0, 255, 255),
};
static_assert(kPaletteTable.size() == kPaletteSize, "the palette table needs one colour per slot");

// Each slot's colour as a child says it, translated in the context "Palette".
constexpr std::array<const char*, kPaletteSize> kPaletteColourNames = {
    QT_TRANSLATE_NOOP("Palette", "Red"),    QT_TRANSLATE_NOOP("Palette", "Yellow"),
    QT_TRANSLATE_NOOP("Palette", "Blue"),   QT_TRANSLATE_NOOP("Palette", "Green"),
    QT_TRANSLATE_NOOP("Palette", "Orange"), QT_TRANSLATE_NOOP("Palette", "Black"),
    QT_TRANSLATE_NOOP("Palette", "Brown"),  QT_TRANSLATE_NOOP("Palette", "Grey"),
    QT_TRANSLATE_NOOP("Palette", "Pink"),   QT_TRANSLATE_NOOP("Palette", "Purple"),
    QT_TRANSLATE_NOOP("Palette", "Peach"),  QT_TRANSLATE_NOOP("Palette", "Turquoise"),
};

// Resource numbers of a slot's crayon and brush cursors: the crayons first,
// then the brushes, one number per slot each, so a longer palette moves the
// brushes along instead of giving two cursors one number.
constexpr int kFirstCursorNumber = 101;
constexpr int drawCursorNumber(int slot) {
    return kFirstCursorNumber + slot;
}
constexpr int paintCursorNumber(int slot) {
    return kFirstCursorNumber + kPaletteSize + slot;
}
constexpr int kLastCursorNumber = paintCursorNumber(kPaletteSize - 1);
