#pragma once
// The program-wide state: one instance for the run, owned by the main window
// and read and written directly by the colouring and postcard code.
#include "colouring/PaletteTable.h"

#include <QCursor>
#include <QString>
#include <array>
#include <cstdint>

enum ToolKinds : std::int32_t { kDrawMode = 1, kPaintMode = 2 };

struct ProgramState {
    QString DataFolder;           // ends in the platform's separator
    std::int32_t CurrentPage = 0; // 1 to 16 after any page operation
    std::int32_t ToolKind = 0;    // kDrawMode or kPaintMode
    bool EraserOn = false;
    bool ToolArmed = false; // a colour or the eraser is picked
    QCursor HandCursor;
    QCursor EraserCursor;
    std::array<Colour, kPaletteSize> PaletteColors{}; // slot i holds position i + 1
    std::array<QCursor, kPaletteSize> DrawCursors;
    std::array<QCursor, kPaletteSize> PaintCursors;
};
