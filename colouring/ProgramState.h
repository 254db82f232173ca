#pragma once
// The program-wide state: one instance for the run, owned by the main window
// and read and written directly by the colouring and postcard code.
#include "book/PaletteTable.h"

#include <QCursor>
#include <QString>
#include <array>
#include <cstdint>

// The values are the ones the mode buttons have always stood for.
enum class ToolKinds : std::int32_t { None = 0, DrawMode = 1, PaintMode = 2 };

struct ProgramState {
    QString DataFolder;                   // ends in the platform's separator
    QString WorkingFolder;                // where the pages are coloured: DataFolder when writable
    std::int32_t CurrentPage = 0;         // 1 to kPageCount after any page operation
    ToolKinds ToolKind = ToolKinds::None; // draw or paint once the window has loaded
    bool EraserOn = false;
    bool ToolArmed = false; // a colour or the eraser is picked
    QCursor HandCursor;
    QCursor EraserCursor;
    std::array<Colour, kPaletteSize> PaletteColors{}; // slot i holds position i + 1
    std::array<QCursor, kPaletteSize> DrawCursors;
    std::array<QCursor, kPaletteSize> PaintCursors;
};
