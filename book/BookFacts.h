#pragma once
// The book's facts, each written once: the program, the artwork generator,
// the benchmarks, the tests and, through vellumix-places, the scripts read
// them here.
#include "book/ControlPlaces.h"

#include <QSize>

inline constexpr int kPageCount = 16; // numbered from 1
inline constexpr char kProgramTitle[] = "Vellumix";
inline constexpr int kPaletteSize = 12; // slots of the crayon box and the brushes

// The main window's client area, which never changes size.
inline constexpr QSize kWindowSize(800, 600);
// The canvas, and so every page's picture, which is drawn unscaled into it.
inline constexpr QSize kCanvasSize = controlRect("canvas").size();

// The slots lie edge to edge from the first; one more than fits would lie
// under the eraser.
static_assert(controlPlace("cmdCOLOR").left + kPaletteSize * controlPlace("cmdCOLOR").width <=
                  controlPlace("cmdERASER").left,
              "the palette's slots do not fit beside the eraser");
