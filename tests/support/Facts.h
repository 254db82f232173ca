#pragma once
// What the tests and the benchmarks take from the program's own tables
// instead of writing pixels, places and colours again: the book's facts, the
// windows' control places, the palette's colours and the data files' names.
#include "book/BookFacts.h"
#include "book/ControlPlaces.h"
#include "book/DataFiles.h"
#include "book/PaletteTable.h"
#include "pixels/BitmapFile.h"
#include "tests/support/TestSupport.h"

// The slots the tests colour with, and the colours a picture holds for them.
inline constexpr int kRedSlot = 0;
inline constexpr int kBlueSlot = 2;
inline constexpr int kNearBlackSlot = 5;
inline constexpr QRgb kRed = rgbFromColour(kPaletteTable[kRedSlot]);
inline constexpr QRgb kBlue = rgbFromColour(kPaletteTable[kBlueSlot]);
inline constexpr QRgb kWhiteRgb = qRgb(255, 255, 255);

// A shipped page's untouched outline, as the program loads it.
inline QImage shippedOutline(int page) {
    return loadPicture(shippedDataFolder() + DataFiles::outlinePage(page));
}
